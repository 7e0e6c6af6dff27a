#include "imagefile/RunLengthCheck.h"

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

} // namespace

bool CheckRunLengthData(std::span<const std::uint8_t> data, std::int32_t width, std::int32_t rows,
                        int bitsPerPixel, std::string* reason) {
    ByteReader in(data);
    std::int64_t x = 0;
    std::int64_t y = 0;
    while (y < rows) {
        std::uint8_t count = 0;
        std::uint8_t code = 0;
        if (!in.ReadU8(count) || !in.ReadU8(code))
            return Refuse(reason, REASON_RUN_LENGTH_CUT_SHORT);
        if (count > 0) { // `count` pixels of the colour(s) in `code`
            if (x + count > width) return Refuse(reason, REASON_RUN_PAST_ROW);
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
        default:
            if (x + code > width) return Refuse(reason, REASON_RUN_PAST_ROW);
            if (!in.Skip(LiteralRunBytes(code, bitsPerPixel))) {
                return Refuse(reason, REASON_RUN_LENGTH_CUT_SHORT);
            }
            x += code;
        }
    }
    return true;
}
