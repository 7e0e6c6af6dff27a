// Malformed headers, each built from one small valid file by patching the
// bytes shown, and the check that refuses it.

#include "imagefile/BitmapLayout.h"
#include "imagefile/BitmapLoader.h"
#include "imagefile/BitmapReasons.h"

#include "../support/BitmapFileBuilder.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// 2 x 2 pixels, 8 bits, two palette entries, rows of 4 bytes: 70 bytes, the
// pixel data at 62.
std::vector<unsigned char> SmallPaletteFile() {
    return BitmapFile(2, 2, 8, 0, {Rgb(255, 0, 0), Rgb(0, 0, 255)},
                      {0, 1, 0, 0, /* top row: */ 1, 0, 0, 0});
}

// 2 x 1 pixels, 16 bits with the three masks after the 40-byte header.
std::vector<unsigned char> BitFieldsFile() {
    std::vector<unsigned char> bytes = BitmapFile(2, 1, 16, 3, {}, {});
    PutLE(bytes, 54, 0xF800, 4); // red mask
    PutLE(bytes, 58, 0x07E0, 4); // green mask
    PutLE(bytes, 62, 0x001F, 4); // blue mask
    PutLE(bytes, AT_DATA_OFFSET, 66, 4);
    bytes.insert(bytes.end(), {0x00, 0xF8, 0x1F, 0x00}); // one red and one blue pixel
    return bytes;
}

struct Patch {
    std::size_t offset;
    std::uint32_t value;
    int width;
};

struct MalformedCase {
    const char* name;
    std::vector<unsigned char> (*base)();
    std::vector<Patch> patches;
    std::size_t keepBytes; // 0: the whole file
    const char* reason;
};

class MalformedHeaders : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedHeaders, AreRefusedByTheirOwnCheck) {
    const MalformedCase& c = GetParam();
    std::vector<unsigned char> bytes = c.base();
    for (const Patch& p : c.patches)
        PutLE(bytes, p.offset, p.value, p.width);
    if (c.keepBytes != 0) bytes.resize(c.keepBytes);
    std::string reason;
    EXPECT_FALSE(ReadBitmapBytes(bytes, &reason)) << c.name;
    EXPECT_EQ(reason, c.reason) << c.name;
}

constexpr std::uint32_t NEGATIVE_TWO = 0xFFFFFFFE;

// One case a line reads best as a table.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HeaderTable, MalformedHeaders,
    testing::Values(
        MalformedCase{"signatureBX", SmallPaletteFile, {{1, 'X', 1}}, 0, REASON_NOT_A_BITMAP},
        MalformedCase{"oneByte", SmallPaletteFile, {}, 1, REASON_NOT_A_BITMAP},
        MalformedCase{"endsInFileHeader", SmallPaletteFile, {}, 12, REASON_HEADER_CUT_SHORT},
        MalformedCase{"endsInInfoHeader", SmallPaletteFile, {}, 40, REASON_HEADER_CUT_SHORT},
        MalformedCase{"headerSize52", SmallPaletteFile, {{AT_HEADER_SIZE, 52, 4}}, 0,
                      REASON_UNKNOWN_HEADER},
        MalformedCase{"headerSizeHuge", SmallPaletteFile, {{AT_HEADER_SIZE, 0xFFFFFFF0, 4}}, 0,
                      REASON_UNKNOWN_HEADER},
        MalformedCase{"v5HeaderLongerThanFile", SmallPaletteFile, {{AT_HEADER_SIZE, 124, 4}}, 0,
                      REASON_HEADER_CUT_SHORT},
        MalformedCase{"width501", SmallPaletteFile, {{AT_WIDTH, 501, 4}}, 0, REASON_TOO_LARGE},
        MalformedCase{"hugeSizes", SmallPaletteFile,
                      {{AT_WIDTH, 0x7FFFFFFF, 4}, {AT_HEIGHT, 0x7FFFFFFF, 4}}, 0,
                      REASON_TOO_LARGE},
        MalformedCase{"topDownTooTall", SmallPaletteFile, {{AT_HEIGHT, 0xFFFFFE0B, 4}}, 0,
                      REASON_TOO_LARGE}, // -501
        MalformedCase{"widthZero", SmallPaletteFile, {{AT_WIDTH, 0, 4}}, 0, REASON_BAD_SIZE},
        MalformedCase{"widthNegative", SmallPaletteFile, {{AT_WIDTH, NEGATIVE_TWO, 4}}, 0,
                      REASON_BAD_SIZE},
        MalformedCase{"heightZero", SmallPaletteFile, {{AT_HEIGHT, 0, 4}}, 0, REASON_BAD_SIZE},
        MalformedCase{"heightMinimum", SmallPaletteFile, {{AT_HEIGHT, 0x80000000, 4}}, 0,
                      REASON_BAD_SIZE},
        MalformedCase{"planes2", SmallPaletteFile, {{AT_PLANES, 2, 2}}, 0, REASON_BAD_PLANES},
        MalformedCase{"bits0", SmallPaletteFile, {{AT_BITS, 0, 2}}, 0, REASON_BAD_BIT_COUNT},
        MalformedCase{"bits2", SmallPaletteFile, {{AT_BITS, 2, 2}}, 0, REASON_BAD_BIT_COUNT},
        MalformedCase{"bits30000", SmallPaletteFile, {{AT_BITS, 30000, 2}}, 0,
                      REASON_BAD_BIT_COUNT},
        MalformedCase{"fourBitCodesOn8Bits", SmallPaletteFile, {{AT_COMPRESSION, 2, 4}}, 0,
                      REASON_BAD_COMPRESSION},
        MalformedCase{"bitFieldsOn8Bits", SmallPaletteFile, {{AT_COMPRESSION, 3, 4}}, 0,
                      REASON_BAD_COMPRESSION},
        MalformedCase{"embeddedJpeg", SmallPaletteFile, {{AT_COMPRESSION, 4, 4}}, 0,
                      REASON_BAD_COMPRESSION},
        MalformedCase{"compressionHuge", SmallPaletteFile, {{AT_COMPRESSION, 0xFFFFFFFF, 4}}, 0,
                      REASON_BAD_COMPRESSION},
        MalformedCase{"topDownRunLength", SmallPaletteFile,
                      {{AT_COMPRESSION, 1, 4}, {AT_HEIGHT, NEGATIVE_TWO, 4}}, 0,
                      REASON_TOP_DOWN_RUN_LENGTH},
        MalformedCase{"palette257", SmallPaletteFile, {{AT_COLOURS_USED, 257, 4}}, 0,
                      REASON_PALETTE_TOO_LARGE},
        MalformedCase{"paletteHuge", SmallPaletteFile, {{AT_COLOURS_USED, 0xFFFFFFFF, 4}}, 0,
                      REASON_PALETTE_TOO_LARGE},
        MalformedCase{"paletteLargerThanFile", SmallPaletteFile, {{AT_COLOURS_USED, 200, 4}}, 0,
                      REASON_TABLES_PAST_END},
        MalformedCase{"defaultPaletteLargerThanFile", SmallPaletteFile,
                      {{AT_COLOURS_USED, 0, 4}}, 0, REASON_TABLES_PAST_END}, // 256 entries
        MalformedCase{"masksCutShort", BitFieldsFile, {}, 60, REASON_TABLES_PAST_END},
        MalformedCase{"dataOffsetPastEnd", SmallPaletteFile, {{AT_DATA_OFFSET, 5000, 4}}, 0,
                      REASON_DATA_OFFSET_PAST_END},
        MalformedCase{"dataOffsetHuge", SmallPaletteFile, {{AT_DATA_OFFSET, 0xFFFFFFFF, 4}}, 0,
                      REASON_DATA_OFFSET_PAST_END},
        MalformedCase{"dataOffsetInPalette", SmallPaletteFile, {{AT_DATA_OFFSET, 58, 4}}, 0,
                      REASON_DATA_OFFSET_INSIDE_TABLES},
        MalformedCase{"dataOffsetZero", SmallPaletteFile, {{AT_DATA_OFFSET, 0, 4}}, 0,
                      REASON_DATA_OFFSET_INSIDE_TABLES},
        MalformedCase{"dataOffsetInMasks", BitFieldsFile, {{AT_DATA_OFFSET, 62, 4}}, 0,
                      REASON_DATA_OFFSET_INSIDE_TABLES},
        MalformedCase{"lastRowOneByteShort", SmallPaletteFile, {}, 69, REASON_ROWS_CUT_SHORT},
        MalformedCase{"noPixelData", SmallPaletteFile, {}, 62, REASON_ROWS_CUT_SHORT},
        MalformedCase{"fullSizeHeaderWithNoRows", SmallPaletteFile,
                      {{AT_WIDTH, 500, 4}, {AT_HEIGHT, 500, 4}}, 0, REASON_ROWS_CUT_SHORT},
        MalformedCase{"dataOffsetSkipsARow", SmallPaletteFile, {{AT_DATA_OFFSET, 66, 4}}, 0,
                      REASON_ROWS_CUT_SHORT}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });
// clang-format on

TEST(BitmapLayout, TheBaseFilesThemselvesLoad) {
    std::string reason;
    const auto palette = ReadBitmapBytes(SmallPaletteFile(), &reason);
    ASSERT_TRUE(palette) << reason;
    EXPECT_EQ(palette->pixels, (std::vector<Colour>{Rgb(0, 0, 255), Rgb(255, 0, 0), Rgb(255, 0, 0),
                                                    Rgb(0, 0, 255)}));
    const auto bitFields = ReadBitmapBytes(BitFieldsFile(), &reason);
    ASSERT_TRUE(bitFields) << reason;
    ASSERT_EQ(bitFields->pixels.size(), 2u);
    // A full 5-bit channel widens to 248 or 255, depending on the decoder.
    const Colour red = bitFields->pixels[0];
    const Colour blue = bitFields->pixels[1];
    EXPECT_GE(RedOf(red), 248);
    EXPECT_EQ(red & 0xFFFF00u, 0u);
    EXPECT_GE(BlueOf(blue), 248);
    EXPECT_EQ(blue & 0x00FFFFu, 0u);
}

TEST(BitmapLayout, ReportsWhereThePixelsStartAndHowTheyAreCoded) {
    std::vector<unsigned char> bytes = SmallPaletteFile();
    PutLE(bytes, AT_HEIGHT, NEGATIVE_TWO, 4);
    std::string reason;
    const std::optional<BitmapLayout> layout = ReadBitmapLayout(bytes, &reason);
    ASSERT_TRUE(layout) << reason;
    EXPECT_EQ(layout->width, 2);
    EXPECT_EQ(layout->rows, 2);
    EXPECT_TRUE(layout->topDown);
    EXPECT_EQ(layout->bitsPerPixel, 8);
    EXPECT_EQ(layout->coding, PixelCoding::Rows);
    EXPECT_EQ(layout->pixelStart, 62u);
}

TEST(BitmapLayout, ATopDownFileComesOutTopRowFirstLikeABottomUpOne) {
    const std::vector<unsigned char> bottomUp = SmallPaletteFile();
    std::vector<unsigned char> topDown = bottomUp;
    PutLE(topDown, AT_HEIGHT, NEGATIVE_TWO, 4);
    std::copy(bottomUp.begin() + 66, bottomUp.begin() + 70, topDown.begin() + 62);
    std::copy(bottomUp.begin() + 62, bottomUp.begin() + 66, topDown.begin() + 66);
    std::string reason;
    const auto a = ReadBitmapBytes(bottomUp, &reason);
    const auto b = ReadBitmapBytes(topDown, &reason);
    ASSERT_TRUE(a && b) << reason;
    EXPECT_EQ(a->pixels, b->pixels);
}

TEST(BitmapLayout, AnIndexBeyondThePaletteIsBlack) {
    // Index 7 in a two-entry palette, on the bottom row.
    const std::vector<unsigned char> bytes =
        BitmapFile(2, 1, 8, 0, {Rgb(10, 20, 30), Rgb(40, 50, 60)}, {7, 1, 0, 0});
    std::string reason;
    const auto image = ReadBitmapBytes(bytes, &reason);
    ASSERT_TRUE(image) << reason;
    EXPECT_EQ(image->pixels, (std::vector<Colour>{OUT_OF_PALETTE_COLOUR, Rgb(40, 50, 60)}));
}

} // namespace
