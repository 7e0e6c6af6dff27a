#pragma once
// Bitmap files built byte by byte, so a test shows exactly what it feeds the
// reader. Make a file malformed by patching single fields with PutLE.

#include "ui/Types.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Field offsets of the file header and the 40-byte info header.
constexpr std::size_t AT_FILE_SIZE = 2;
constexpr std::size_t AT_DATA_OFFSET = 10;
constexpr std::size_t AT_HEADER_SIZE = 14;
constexpr std::size_t AT_WIDTH = 18;
constexpr std::size_t AT_HEIGHT = 22;
constexpr std::size_t AT_PLANES = 26;
constexpr std::size_t AT_BITS = 28;
constexpr std::size_t AT_COMPRESSION = 30;
constexpr std::size_t AT_IMAGE_SIZE = 34;
constexpr std::size_t AT_COLOURS_USED = 46;
constexpr std::size_t INFO_FILE_HEADERS = 54;

inline void PutLE(Bytes& bytes, std::size_t offset, std::uint32_t value, int width) {
    if (bytes.size() < offset + std::size_t(width)) bytes.resize(offset + std::size_t(width));
    for (int i = 0; i < width; ++i) bytes[offset + std::size_t(i)] = (value >> (8 * i)) & 0xFF;
}

// A whole file with the 40-byte info header. `palette` entries are stored
// blue, green, red, 0 and counted in the colours-used field; `pixelData`
// follows the palette as given. With no palette and no data, a header alone.
inline Bytes BitmapFile(std::int32_t width, std::int32_t height, std::uint16_t bits = 24,
                        std::uint32_t compression = 0, const std::vector<Colour>& palette = {},
                        const Bytes& pixelData = {}) {
    Bytes bytes(INFO_FILE_HEADERS, 0);
    const std::size_t dataOffset = INFO_FILE_HEADERS + 4 * palette.size();
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, AT_FILE_SIZE, std::uint32_t(dataOffset + pixelData.size()), 4);
    PutLE(bytes, AT_DATA_OFFSET, std::uint32_t(dataOffset), 4);
    PutLE(bytes, AT_HEADER_SIZE, 40, 4);
    PutLE(bytes, AT_WIDTH, std::uint32_t(width), 4);
    PutLE(bytes, AT_HEIGHT, std::uint32_t(height), 4);
    PutLE(bytes, AT_PLANES, 1, 2);
    PutLE(bytes, AT_BITS, bits, 2);
    PutLE(bytes, AT_COMPRESSION, compression, 4);
    PutLE(bytes, AT_IMAGE_SIZE, std::uint32_t(pixelData.size()), 4);
    PutLE(bytes, AT_COLOURS_USED, std::uint32_t(palette.size()), 4);
    for (Colour c : palette) bytes.insert(bytes.end(), {BlueOf(c), GreenOf(c), RedOf(c), 0});
    bytes.insert(bytes.end(), pixelData.begin(), pixelData.end());
    return bytes;
}

// A 26-byte file with the old 12-byte core header's 16-bit sizes.
inline Bytes CoreHeader(std::uint16_t width, std::uint16_t height) {
    Bytes bytes(26, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, AT_DATA_OFFSET, 26, 4);
    PutLE(bytes, AT_HEADER_SIZE, 12, 4);
    PutLE(bytes, 18, width, 2);
    PutLE(bytes, 20, height, 2);
    PutLE(bytes, 22, 1, 2);
    PutLE(bytes, 24, 24, 2);
    return bytes;
}
