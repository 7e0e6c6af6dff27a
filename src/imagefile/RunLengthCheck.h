#pragma once
// Walks run-length pixel data code by code, without decoding it, to find out
// whether it is whole. Data that reaches its end-of-image code, or ends its
// last row, is whole; skips and an early end-of-image code are allowed (the
// pixels they leave out get a defined colour when decoding). Data that runs
// out first is cut short; a run past a row's end or a jump out of the image is
// refused, so that every accepted stream is read by the platform's reader
// exactly as it is walked here, and never beyond its end.

#include <cstdint>
#include <span>
#include <string>

// `data` runs from the data offset to the end of the file; `bitsPerPixel` is 8
// or 4. Rows are counted from the bottom, as the codes count them.
bool CheckRunLengthData(std::span<const std::uint8_t> data, std::int32_t width, std::int32_t rows,
                        int bitsPerPixel, std::string* reason);
