#pragma once
// The bytes of an uncompressed 24-bit bitmap file: a 14-byte file header, a
// 40-byte info header, then the rows bottom-up, each pixel as blue, green,
// red, each row padded with zeros to a multiple of 4 bytes.

#include "ui/Types.h"

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr std::size_t BITMAP_HEADERS_SIZE = 54;

// Bytes per row of a 24-bit bitmap `width` pixels wide.
constexpr std::size_t BitmapRowStride(int width) {
    return (std::size_t(width) * 3 + 3) & ~std::size_t(3);
}

// The whole file for width x height pixels (row-major, top row first).
// Width and height must be at least 1.
std::vector<std::uint8_t> EncodeBitmapFile(const Colour* pixels, int width, int height);
