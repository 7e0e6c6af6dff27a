#pragma once
// Builds bitmap file headers byte by byte, so a test shows exactly what it
// feeds the reader.

#include <cstddef>
#include <cstdint>
#include <vector>

inline void PutLE(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value,
                  int width) {
    if (bytes.size() < offset + std::size_t(width)) bytes.resize(offset + std::size_t(width));
    for (int i = 0; i < width; ++i) bytes[offset + std::size_t(i)] = (value >> (8 * i)) & 0xFF;
}

// A 54-byte header of a 24-bit file with the given size fields and no pixels.
inline std::vector<unsigned char> InfoHeader(std::int32_t width, std::int32_t height) {
    std::vector<unsigned char> bytes(54, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, 2, 54, 4);
    PutLE(bytes, 10, 54, 4);
    PutLE(bytes, 14, 40, 4);
    PutLE(bytes, 18, std::uint32_t(width), 4);
    PutLE(bytes, 22, std::uint32_t(height), 4);
    PutLE(bytes, 26, 1, 2);
    PutLE(bytes, 28, 24, 2);
    return bytes;
}

// A 26-byte header with the old 12-byte core header's 16-bit sizes.
inline std::vector<unsigned char> CoreHeader(std::uint16_t width, std::uint16_t height) {
    std::vector<unsigned char> bytes(26, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, 10, 26, 4);
    PutLE(bytes, 14, 12, 4);
    PutLE(bytes, 18, width, 2);
    PutLE(bytes, 20, height, 2);
    PutLE(bytes, 22, 1, 2);
    PutLE(bytes, 24, 24, 2);
    return bytes;
}
