#include "imagefile/RunLengthCodes.h"

#include "imagefile/BitmapReasons.h"
#include "imagefile/ByteReader.h"

namespace {

// The second byte of a code whose first byte (the run length) is 0.
constexpr std::uint8_t END_OF_ROW = 0;
constexpr std::uint8_t END_OF_IMAGE = 1;
constexpr std::uint8_t JUMP = 2; // followed by a right and an up step
// Any larger second byte starts a literal run of that many pixels.

// Bytes a literal run of `pixels` takes: padded to a whole 16-bit word.
std::uint64_t LiteralRunBytes(std::uint64_t pixels, int bitsPerPixel) {
    const std::uint64_t bytes = bitsPerPixel == 8 ? pixels : (pixels + 1) / 2;
    return (bytes + 1) / 2 * 2;
}

// The index of the i-th pixel taken from `byte`: the byte itself at 8 bits; at
// 4 bits its high half for the even pixels, its low half for the odd ones.
std::uint8_t IndexIn(std::uint8_t byte, std::int64_t i, int bitsPerPixel) {
    if (bitsPerPixel == 8) return byte;
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

} // namespace

bool ReadRunLengthCodes(std::span<const std::uint8_t> data, std::int32_t width, std::int32_t rows,
                        int bitsPerPixel, std::span<std::uint8_t> indices, std::string* reason) {
    ByteReader in(data);
    std::int64_t x = 0;
    std::int64_t y = 0;
    // Where pixel x of row y goes; only used when there is room.
    const auto at = [&](std::int64_t i) { return std::size_t(y * width + x + i); };
    while (y < rows) {
        std::uint8_t count = 0;
        std::uint8_t code = 0;
        if (!in.ReadU8(count) || !in.ReadU8(code))
            return Refuse(reason, REASON_RUN_LENGTH_CUT_SHORT);
        if (count > 0) { // `count` pixels of the colour(s) in `code`
            if (x + count > width) return Refuse(reason, REASON_RUN_PAST_ROW);
            if (!indices.empty())
                for (std::int64_t i = 0; i < count; ++i)
                    indices[at(i)] = IndexIn(code, i, bitsPerPixel);
            x += count;
            continue;
        }
        switch (code) {
        case END_OF_ROW:
            x = 0;
            ++y;
            break;
        case END_OF_IMAGE:
            return true;
        case JUMP: {
            std::uint8_t right = 0;
            std::uint8_t up = 0;
            if (!in.ReadU8(right) || !in.ReadU8(up)) {
                return Refuse(reason, REASON_RUN_LENGTH_CUT_SHORT);
            }
            if (x + right > width || y + up >= rows) return Refuse(reason, REASON_JUMP_PAST_IMAGE);
            x += right;
            y += up;
            break;
        }
        default: {
            if (x + code > width) return Refuse(reason, REASON_RUN_PAST_ROW);
            std::span<const std::uint8_t> literal;
            if (!in.Take(LiteralRunBytes(code, bitsPerPixel), literal)) {
                return Refuse(reason, REASON_RUN_LENGTH_CUT_SHORT);
            }
            if (!indices.empty())
                for (std::int64_t i = 0; i < code; ++i) {
                    const std::uint8_t byte = literal[std::size_t(bitsPerPixel == 8 ? i : i / 2)];
                    indices[at(i)] = IndexIn(byte, i, bitsPerPixel);
                }
            x += code;
        }
        }
    }
    return true;
}
