#pragma once
// Reads and checks a bitmap file's headers, colour table and data offset,
// before any pixel is decoded. Mirrors where the platform's reader takes each
// part from, so that a file passing these checks is read by it as it says.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

enum class PixelCoding {
    Rows,       // uncompressed rows, with or without bit-field masks
    RunLength8, // 8-bit run-length codes
    RunLength4, // 4-bit run-length codes
};

struct BitmapLayout {
    std::int32_t width = 0; // 1..500
    std::int32_t rows = 0;  // 1..500, whatever the row order
    bool topDown = false;
    std::uint16_t bitsPerPixel = 0; // 1, 4, 8, 16, 24 or 32
    PixelCoding coding = PixelCoding::Rows;
    std::uint64_t pixelStart = 0; // offset of the pixel data, within the file
};

// The layout of a whole file in memory, or nothing with the reason why.
// Admits only sizes the size probe admits (both sides 1..500).
std::optional<BitmapLayout> ReadBitmapLayout(std::span<const std::uint8_t> file,
                                             std::string* reason);
