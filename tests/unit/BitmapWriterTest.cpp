// The file WriteBitmapFile makes from the current drawing target.

#include "imagefile/BitmapWriter.h"
#include "ui/Handles.h"
#include "ui/graphics/Surfaces.h"

#include "../support/TempFolder.h"
#include "WriterTesting.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SizeCase {
    int width;
    int height;
    std::size_t fileSize;
};
void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << c.width << " x " << c.height;
}

class WrittenSizes : public WriterTest, public testing::WithParamInterface<SizeCase> {};

TEST_P(WrittenSizes, HeadersAndRowsFollowTheLayout) {
    const SizeCase& c = GetParam();
    const auto colourAt = [](int x, int y) { return Rgb(x * 7 + y, y * 5 + 1, x ^ y); };
    MakePicture(c.width, c.height, colourAt);
    TempFolder folder;
    const std::string path = folder.file("image.bmp");
    ASSERT_EQ(Describe(WriteBitmapFile(path)), "Written");

    const std::vector<unsigned char> bytes = ReadBytes(path);
    const std::string size = std::to_string(c.width) + " x " + std::to_string(c.height);
    ASSERT_EQ(bytes.size(), c.fileSize) << size;
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(ReadLE(bytes, 2, 4), c.fileSize) << "file size field, " << size;
    EXPECT_EQ(ReadLE(bytes, 6, 4), 0u) << "reserved";
    EXPECT_EQ(ReadLE(bytes, 10, 4), 54u) << "pixel offset";
    EXPECT_EQ(ReadLE(bytes, 14, 4), 40u) << "info header size";
    EXPECT_EQ(ReadLE(bytes, 18, 4), std::uint32_t(c.width));
    EXPECT_EQ(ReadLE(bytes, 22, 4), std::uint32_t(c.height)) << "positive: bottom-up";
    EXPECT_EQ(ReadLE(bytes, 26, 2), 1u) << "planes";
    EXPECT_EQ(ReadLE(bytes, 28, 2), 24u) << "bits per pixel";
    for (std::size_t offset = 30; offset < 54; offset += 4) {
        EXPECT_EQ(ReadLE(bytes, offset, 4), 0u) << "field at " << offset << ", " << size;
    }
    const std::size_t stride = (std::size_t(c.width) * 3 + 3) / 4 * 4;
    for (int row = 0; row < c.height; ++row) {
        const std::size_t start = 54 + std::size_t(row) * stride;
        const int y = c.height - 1 - row; // the bottom line comes first
        for (int x = 0; x < c.width; ++x) {
            const Colour colour = colourAt(x, y);
            const std::size_t at = start + std::size_t(x) * 3;
            ASSERT_EQ(bytes[at], BlueOf(colour)) << size << " pixel (" << x << ", " << y << ")";
            ASSERT_EQ(bytes[at + 1], GreenOf(colour))
                << size << " pixel (" << x << ", " << y << ")";
            ASSERT_EQ(bytes[at + 2], RedOf(colour)) << size << " pixel (" << x << ", " << y << ")";
        }
        for (std::size_t pad = std::size_t(c.width) * 3; pad < stride; ++pad) {
            ASSERT_EQ(bytes[start + pad], 0) << size << " padding of row " << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, WrittenSizes,
                         testing::Values(SizeCase{1, 1, 58}, SizeCase{3, 2, 78}, SizeCase{4, 1, 66},
                                         SizeCase{2, 3, 78}, SizeCase{47, 33, 54 + 144 * 33},
                                         SizeCase{500, 500, 750054}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

TEST_F(WriterTest, ThreeByTwoStoresTheBottomRowFirst) {
    // Top row red, green, blue; bottom row white, black, magenta.
    const Colour top[] = {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255)};
    const Colour bottom[] = {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(255, 0, 255)};
    MakePicture(3, 2, [&](int x, int y) { return y == 0 ? top[x] : bottom[x]; });
    TempFolder folder;
    const std::string path = folder.file("small.bmp");
    ASSERT_EQ(Describe(WriteBitmapFile(path)), "Written");
    const std::vector<unsigned char> bytes = ReadBytes(path);
    const std::vector<unsigned char> rows(bytes.begin() + 54, bytes.end());
    const std::vector<unsigned char> expected = {
        0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0, 0, 0,  // bottom line
        0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0, 0, 0}; // top line
    EXPECT_EQ(rows, expected);
}

TEST_F(WriterTest, ATransparentPixelIsWrittenAsMagenta) {
    MakePicture(1, 1, [](int, int) { return Colour(0x00FF00FF); });
    TempFolder folder;
    const std::string path = folder.file("magenta.bmp");
    ASSERT_EQ(Describe(WriteBitmapFile(path)), "Written");
    const std::vector<unsigned char> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 58u);
    EXPECT_EQ(bytes[54], 0xFF);
    EXPECT_EQ(bytes[55], 0x00);
    EXPECT_EQ(bytes[56], 0xFF);
    EXPECT_EQ(bytes[57], 0x00);
}

TEST_F(WriterTest, DoesNothingForAnEmptyNameOrWithoutATarget) {
    TempFolder folder;
    EXPECT_EQ(Describe(WriteBitmapFile(folder.file("untouched.bmp"))), "NothingDone");
    MakePicture(2, 2, [](int, int) { return Colour(0); });
    EXPECT_EQ(Describe(WriteBitmapFile("")), "NothingDone");
    AttachSurface(0, 0, false);
    EXPECT_EQ(Describe(WriteBitmapFile(folder.file("untouched.bmp"))), "NothingDone");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{});
}

TEST_F(WriterTest, WritesAControlTargetToo) {
    const Handle control = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(control, 2, 1));
    AttachSurface(control, 0, false);
    TempFolder folder;
    const std::string path = folder.file("control.bmp");
    ASSERT_EQ(Describe(WriteBitmapFile(path)), "Written");
    const std::vector<unsigned char> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 62u);
    EXPECT_EQ(bytes[54], 0xF0) << "the control's face colour";
}

} // namespace
