#include "imagefile/BitmapEncoding.h"

#include <cstring>

namespace {

void PutLittleEndian(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = std::uint8_t(value >> (8 * i));
}

void PutHeaders(std::uint8_t* at, int width, int height, std::size_t fileSize) {
    at[0] = 'B';
    at[1] = 'M';
    PutLittleEndian(at + 2, std::uint32_t(fileSize), 4);
    PutLittleEndian(at + 10, BITMAP_HEADERS_SIZE, 4); // where the pixels start
    PutLittleEndian(at + 14, 40, 4);                  // info header size
    PutLittleEndian(at + 18, std::uint32_t(width), 4);
    PutLittleEndian(at + 22, std::uint32_t(height), 4); // positive: bottom-up rows
    PutLittleEndian(at + 26, 1, 2);                     // planes
    PutLittleEndian(at + 28, 24, 2);                    // bits per pixel
    // Compression (uncompressed), image size, resolutions and colour counts stay 0.
}

} // namespace

std::vector<std::uint8_t> EncodeBitmapFile(const Colour* pixels, int width, int height) {
    const std::size_t stride = BitmapRowStride(width);
    const std::size_t fileSize = BITMAP_HEADERS_SIZE + stride * std::size_t(height);
    // One spare byte: each pixel is stored as a 4-byte word whose last byte the
    // next pixel, the row's padding or, at the very end, the spare overwrites.
    std::vector<std::uint8_t> bytes(fileSize + 1, 0);
    PutHeaders(bytes.data(), width, height, fileSize);
    std::uint8_t* out = bytes.data() + BITMAP_HEADERS_SIZE;
    for (int y = height - 1; y >= 0; --y, out += stride) {
        const Colour* row = pixels + std::size_t(y) * std::size_t(width);
        std::uint8_t* at = out;
        for (int x = 0; x < width; ++x, at += 3) {
            // 0x00BBGGRR to the bytes blue, green, red (and a zero).
            const Colour c = row[x];
            const std::uint8_t word[4] = {std::uint8_t(c >> 16), std::uint8_t(c >> 8),
                                          std::uint8_t(c), 0};
            std::memcpy(at, word, 4);
        }
    }
    bytes.pop_back();
    return bytes;
}
