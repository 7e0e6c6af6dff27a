#include "imagefile/BitmapEncoding.h"

#include <bit>
#include <cstring>

// Pixels are stored as whole little-endian words.
static_assert(std::endian::native == std::endian::little);

namespace {

void PutLittleEndian(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        at[i] = std::uint8_t(value >> (8 * i));
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
    // Compression (uncompressed), image size, resolutions and colours stay 0.
}

// 0x00BBGGRR as the word 0x00RRGGBB, whose bytes are blue, green, red, 0.
inline std::uint64_t BgrWord(Colour c) {
#if defined(__GNUC__) || defined(__clang__)
    return __builtin_bswap32(c) >> 8; // one instruction where the shifts take five
#else
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
#endif
}

// One row: eight pixels at a time as three 8-byte words, then the rest one
// 4-byte word each. The zero last byte of such a word lands on the next
// pixel, on the row's padding (which stays zero) or on the byte after the file.
void EncodeRow(const Colour* row, int width, std::uint8_t* out) {
    int x = 0;
    for (; x + 8 <= width; x += 8, out += 24) {
        const std::uint64_t w0 = BgrWord(row[x]), w1 = BgrWord(row[x + 1]);
        const std::uint64_t w2 = BgrWord(row[x + 2]), w3 = BgrWord(row[x + 3]);
        const std::uint64_t w4 = BgrWord(row[x + 4]), w5 = BgrWord(row[x + 5]);
        const std::uint64_t w6 = BgrWord(row[x + 6]), w7 = BgrWord(row[x + 7]);
        const std::uint64_t first = w0 | (w1 << 24) | (w2 << 48);
        const std::uint64_t second = (w2 >> 16) | (w3 << 8) | (w4 << 32) | (w5 << 56);
        const std::uint64_t third = (w5 >> 8) | (w6 << 16) | (w7 << 40);
        std::memcpy(out, &first, 8);
        std::memcpy(out + 8, &second, 8);
        std::memcpy(out + 16, &third, 8);
    }
    for (; x < width; ++x, out += 3) {
        const auto word = std::uint32_t(BgrWord(row[x]));
        std::memcpy(out, &word, 4);
    }
}

} // namespace

std::vector<std::uint8_t> EncodeBitmapFile(const Colour* pixels, int width, int height) {
    const std::size_t stride = BitmapRowStride(width);
    const std::size_t fileSize = BITMAP_HEADERS_SIZE + stride * std::size_t(height);
    std::vector<std::uint8_t> bytes(fileSize + 1, 0); // one spare byte, see EncodeRow
    PutHeaders(bytes.data(), width, height, fileSize);
    std::uint8_t* out = bytes.data() + BITMAP_HEADERS_SIZE;
    for (int y = height - 1; y >= 0; --y, out += stride) {
        EncodeRow(pixels + std::size_t(y) * std::size_t(width), width, out);
    }
    bytes.pop_back();
    return bytes;
}
