#pragma once
// Checks that a file holds all the pixel data its layout promises, before any
// pixel is decoded: a file cut short is refused, never loaded in part.

#include "imagefile/BitmapLayout.h"

#include <cstdint>
#include <span>
#include <string>

// Bytes in one uncompressed row: whole 32-bit words.
std::uint64_t RowStride(std::int32_t width, std::uint16_t bitsPerPixel);

// Uncompressed rows must all be present from the data offset on; run-length
// data must reach its end within the file (see RunLengthCodes.h).
bool CheckPixelData(std::span<const std::uint8_t> file, const BitmapLayout& layout,
                    std::string* reason);
