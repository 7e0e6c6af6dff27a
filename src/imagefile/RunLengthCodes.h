#pragma once
// Walks run-length pixel data code by code: to find out whether it is whole,
// and, given room for them, to write out the palette indices it names. Data
// that reaches its end-of-image code, or ends its last row, is whole; skips and
// an early end-of-image code are allowed (the pixels they leave out get a
// defined colour when decoding). Data that runs out first is cut short; a run
// past a row's end or a jump out of the image is refused, so that no code ever
// writes outside the image and nothing is read beyond the data's end.

#include <cstdint>
#include <span>
#include <string>

// `data` runs from the data offset to the end of the file; `bitsPerPixel` is 8
// or 4. Rows are counted from the bottom, as the codes count them. `indices`
// is empty (only the check) or holds width x rows entries, the bottom row
// first: each pixel a code names gets its index there, the others are left as
// they are. On a refusal, `indices` may hold the pixels named so far.
bool ReadRunLengthCodes(std::span<const std::uint8_t> data, std::int32_t width, std::int32_t rows,
                        int bitsPerPixel, std::span<std::uint8_t> indices, std::string* reason);
