#pragma once
// Builds whole bitmap files with the 40-byte info header, so a test shows the
// exact fields and bytes it feeds the loader. Patch single fields afterwards
// with PutLE (BmpBytes.h) to make a file malformed.

#include "BmpBytes.h" // old tests only: superseded by BitmapBytes.h

#include "ui/Types.h"

#include <cstdint>
#include <vector>

// Field offsets of the two headers.
constexpr std::size_t AT_SIGNATURE = 0;
constexpr std::size_t AT_DATA_OFFSET = 10;
constexpr std::size_t AT_HEADER_SIZE = 14;
constexpr std::size_t AT_WIDTH = 18;
constexpr std::size_t AT_HEIGHT = 22;
constexpr std::size_t AT_PLANES = 26;
constexpr std::size_t AT_BITS = 28;
constexpr std::size_t AT_COMPRESSION = 30;
constexpr std::size_t AT_COLOURS_USED = 46;
constexpr std::size_t INFO_FILE_HEADERS = 54;

// `palette` entries are stored blue, green, red, 0 and counted in the
// colours-used field; `pixelData` follows the palette as given.
inline std::vector<unsigned char> BitmapFile(std::int32_t width, std::int32_t height,
                                             std::uint16_t bits, std::uint32_t compression,
                                             const std::vector<Colour>& palette,
                                             const std::vector<unsigned char>& pixelData) {
    std::vector<unsigned char> bytes(INFO_FILE_HEADERS, 0);
    const std::size_t dataOffset = INFO_FILE_HEADERS + 4 * palette.size();
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, 2, std::uint32_t(dataOffset + pixelData.size()), 4);
    PutLE(bytes, AT_DATA_OFFSET, std::uint32_t(dataOffset), 4);
    PutLE(bytes, AT_HEADER_SIZE, 40, 4);
    PutLE(bytes, AT_WIDTH, std::uint32_t(width), 4);
    PutLE(bytes, AT_HEIGHT, std::uint32_t(height), 4);
    PutLE(bytes, AT_PLANES, 1, 2);
    PutLE(bytes, AT_BITS, bits, 2);
    PutLE(bytes, AT_COMPRESSION, compression, 4);
    PutLE(bytes, 34, std::uint32_t(pixelData.size()), 4);
    PutLE(bytes, AT_COLOURS_USED, std::uint32_t(palette.size()), 4);
    for (Colour c : palette) {
        bytes.insert(bytes.end(), {BlueOf(c), GreenOf(c), RedOf(c), 0});
    }
    bytes.insert(bytes.end(), pixelData.begin(), pixelData.end());
    return bytes;
}
