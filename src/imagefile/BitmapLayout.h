#pragma once
// Reads and checks a bitmap file's headers, colour table, bit-field masks and
// data offset, before any pixel is decoded: the decoder (BitmapDecoder.h)
// takes each part from where the layout says, and only once it is checked.

#include <array>
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

    // 1, 4 and 8 bits: the colour table, right after the info header. Entries
    // beyond what an index of the bit count can name are left out.
    std::uint64_t paletteStart = 0;
    std::uint32_t paletteEntries = 0;    // 1..256
    std::uint32_t paletteEntryBytes = 0; // 3 after a core header, else 4
    // 16 and 32 bits: the red, green and blue masks. The file's own with
    // bit-field compression; otherwise 5-5-5, or 8 bits each at 32 bits.
    std::array<std::uint32_t, 3> masks{};
};

// The layout of a whole file in memory, or nothing with the reason why.
// Admits only sizes the size probe admits (both sides 1..500).
std::optional<BitmapLayout> ReadBitmapLayout(std::span<const std::uint8_t> file,
                                             std::string* reason);
