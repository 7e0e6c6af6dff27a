#pragma once
// Checks that a file holds all the pixel data its layout promises, before the
// platform's reader sees it: that reader returns a partly filled image, with
// the missing rows undefined, when the data is cut short.

#include "imagefile/BitmapLayout.h"

#include <cstdint>
#include <span>
#include <string>

// Bytes in one uncompressed row: whole 32-bit words.
std::uint64_t RowStride(std::int32_t width, std::uint16_t bitsPerPixel);

// Uncompressed rows must all be present from the data offset on; run-length
// data must reach its end within the file (see RunLengthCheck.h).
bool CheckPixelData(std::span<const std::uint8_t> file, const BitmapLayout& layout,
                    std::string* reason);
