// Run-length data: which streams are whole, which are cut short or break the
// image's bounds, and what colour the pixels they leave out get.

#include "imagefile/RunLengthCheck.h"
#include "imagefile/BitmapLoader.h"
#include "imagefile/BitmapReasons.h"

#include "../support/BitmapFileBuilder.h"

#include <gtest/gtest.h>

namespace {

struct StreamCase {
    const char* name;
    int bits;
    std::int32_t width;
    std::int32_t rows;
    std::vector<std::uint8_t> codes;
    const char* reason; // nullptr: whole
};

class RunLengthStreams : public testing::TestWithParam<StreamCase> {};

TEST_P(RunLengthStreams, AreWholeOrRefusedForTheRightReason) {
    const StreamCase& c = GetParam();
    std::string reason;
    const bool whole = CheckRunLengthData(c.codes, c.width, c.rows, c.bits, &reason);
    if (c.reason == nullptr) {
        EXPECT_TRUE(whole) << c.name << ": " << reason;
    } else {
        EXPECT_FALSE(whole) << c.name;
        EXPECT_EQ(reason, c.reason) << c.name;
    }
}

// One case a line reads best as a table.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    StreamTable, RunLengthStreams,
    testing::Values(
        StreamCase{"endCodeOnly", 8, 4, 2, {0, 1}, nullptr},
        StreamCase{"endsItsLastRow", 8, 4, 1, {4, 9, 0, 0}, nullptr},
        StreamCase{"jumpThenEnd", 8, 4, 2, {0, 2, 3, 1, 1, 5, 0, 1}, nullptr},
        StreamCase{"jumpToTheRowEnd", 8, 4, 1, {0, 2, 4, 0, 0, 1}, nullptr},
        StreamCase{"literalPadded", 8, 4, 1, {0, 3, 1, 2, 3, 0, 0, 1}, nullptr},
        StreamCase{"fourBitLiteralOf5", 4, 8, 1, {0, 5, 0x12, 0x34, 0x50, 0, 0, 1}, nullptr},
        StreamCase{"fourBitLiteralOf3", 4, 8, 1, {0, 3, 0x12, 0x30, 0, 1}, nullptr},
        StreamCase{"empty", 8, 4, 1, {}, REASON_RUN_LENGTH_CUT_SHORT},
        StreamCase{"oneByte", 8, 4, 1, {0}, REASON_RUN_LENGTH_CUT_SHORT},
        StreamCase{"runThenNothing", 8, 4, 2, {2, 5}, REASON_RUN_LENGTH_CUT_SHORT},
        StreamCase{"firstRowOfTwoOnly", 8, 4, 2, {4, 5, 0, 0}, REASON_RUN_LENGTH_CUT_SHORT},
        StreamCase{"jumpWithoutSteps", 8, 4, 2, {0, 2, 1}, REASON_RUN_LENGTH_CUT_SHORT},
        StreamCase{"literalWithoutPad", 8, 4, 1, {0, 3, 1, 2, 3}, REASON_RUN_LENGTH_CUT_SHORT},
        StreamCase{"fourBitLiteralWithoutPad", 4, 8, 1, {0, 5, 0x12, 0x34, 0x50, 0, 1},
                   REASON_RUN_LENGTH_CUT_SHORT},
        StreamCase{"runPastRowEnd", 8, 4, 1, {5, 1, 0, 1}, REASON_RUN_PAST_ROW},
        StreamCase{"secondRunPastRowEnd", 8, 4, 1, {3, 1, 2, 1, 0, 1}, REASON_RUN_PAST_ROW},
        StreamCase{"literalPastRowEnd", 8, 4, 1, {0, 5, 1, 2, 3, 4, 5, 0, 0, 1},
                   REASON_RUN_PAST_ROW},
        StreamCase{"runAfterJumpToRowEnd", 8, 4, 1, {0, 2, 4, 0, 1, 1, 0, 1},
                   REASON_RUN_PAST_ROW},
        StreamCase{"jumpPastRowEnd", 8, 4, 2, {0, 2, 5, 0, 0, 1}, REASON_JUMP_PAST_IMAGE},
        StreamCase{"jumpPastTopRow", 8, 4, 2, {0, 2, 0, 2, 0, 1}, REASON_JUMP_PAST_IMAGE}),
    [](const testing::TestParamInfo<StreamCase>& info) { return info.param.name; });
// clang-format on

const Colour ENTRY_0 = Rgb(10, 20, 30);
const Colour ENTRY_1 = Rgb(200, 100, 50);
const Colour ENTRY_2 = Rgb(0, 255, 0);

TEST(RunLengthGaps, SkippedAndUnwrittenPixelsTakePaletteEntryZero) {
    // 4 x 3, 8-bit codes, bottom row first:
    //   row 0: two pixels of entry 1, jump right 1 and up 1 -> (3, 1)
    //   row 1: one pixel of entry 2, end of row
    //   row 2: one pixel of entry 1, end of image
    const std::vector<unsigned char> codes = {2, 1, 0, 2, 1, 1, 1, 2, 0, 0, 1, 1, 0, 1};
    const auto file = BitmapFile(4, 3, 8, 1, {ENTRY_0, ENTRY_1, ENTRY_2}, codes);
    std::string reason;
    const auto image = ReadBitmapBytes(file, &reason);
    ASSERT_TRUE(image) << reason;
    const Colour _ = ENTRY_0;
    EXPECT_EQ(image->pixels, (std::vector<Colour>{ENTRY_1, _, _, _,          // top row
                                                  _, _, _, ENTRY_2,          //
                                                  ENTRY_1, ENTRY_1, _, _})); // bottom row
}

TEST(RunLengthGaps, FourBitCodesLeaveTheSameColourAndAlternateTheirPair) {
    // 5 x 2, 4-bit codes: row 0 has three pixels alternating entries 1 and 2,
    // then the image ends early.
    const std::vector<unsigned char> codes = {3, 0x12, 0, 1};
    const auto file = BitmapFile(5, 2, 4, 2, {ENTRY_0, ENTRY_1, ENTRY_2}, codes);
    std::string reason;
    const auto image = ReadBitmapBytes(file, &reason);
    ASSERT_TRUE(image) << reason;
    const Colour _ = ENTRY_0;
    EXPECT_EQ(image->pixels, (std::vector<Colour>{_, _, _, _, _, //
                                                  ENTRY_1, ENTRY_2, ENTRY_1, _, _}));
}

TEST(RunLengthGaps, AFileCutInsideItsCodesIsRefused) {
    const std::vector<unsigned char> codes = {4, 1, 0, 0, 4, 2, 0, 0, 0, 1};
    const auto whole = BitmapFile(4, 3, 8, 1, {ENTRY_0, ENTRY_1, ENTRY_2}, codes);
    std::string reason;
    ASSERT_TRUE(ReadBitmapBytes(whole, &reason)) << reason;
    for (std::size_t cut = 1; cut <= codes.size(); ++cut) {
        const std::vector<unsigned char> bytes(whole.begin(), whole.end() - long(cut));
        EXPECT_FALSE(ReadBitmapBytes(bytes, &reason)) << cut << " bytes cut";
    }
}

} // namespace
