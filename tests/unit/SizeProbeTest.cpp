#include "imagefile/SizeProbe.h"

#include "../support/BmpBytes.h"
#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

namespace {

struct SizeCase {
    const char* name;
    std::int32_t width;
    std::int32_t height;
    Admission expected;
    std::int32_t expectedWidth;
    std::int32_t expectedHeight;
};

class ProbeSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(ProbeSizes, AdmitsOnlySidesFromOneToFiveHundred) {
    const SizeCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.write("image.bmp", InfoHeader(c.width, c.height));
    const ProbeResult result = ProbeImageFile(path);
    EXPECT_EQ(result.admission, c.expected) << c.width << " x " << c.height;
    if (c.expected != Admission::Unreadable) {
        EXPECT_EQ(result.width, c.expectedWidth);
        EXPECT_EQ(result.height, c.expectedHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SizeTable, ProbeSizes,
    testing::Values(
        SizeCase{"both500", 500, 500, Admission::Admitted, 500, 500},
        SizeCase{"oneByOne", 1, 1, Admission::Admitted, 1, 1},
        SizeCase{"width501", 501, 1, Admission::TooLarge, 501, 1},
        SizeCase{"height501", 1, 501, Admission::TooLarge, 1, 501},
        SizeCase{"bothTooLarge", 5000, 5000, Admission::TooLarge, 5000, 5000},
        SizeCase{"widthZero", 0, 10, Admission::Unreadable, 0, 0},
        SizeCase{"heightZero", 10, 0, Admission::Unreadable, 0, 0},
        SizeCase{"widthMinusOne", -1, 10, Admission::Unreadable, 0, 0},
        SizeCase{"widthMinimum", INT_MIN, 10, Admission::Unreadable, 0, 0},
        SizeCase{"topDown64", 64, -64, Admission::Admitted, 64, 64},
        SizeCase{"topDownMinusOne", 7, -1, Admission::Admitted, 7, 1},
        SizeCase{"topDown500", 500, -500, Admission::Admitted, 500, 500},
        SizeCase{"topDown600", 64, -600, Admission::TooLarge, 64, 600},
        SizeCase{"heightMinimum", 10, INT_MIN, Admission::Unreadable, 0, 0},
        SizeCase{"heightMaximum", 10, INT_MAX, Admission::TooLarge, 10, INT_MAX},
        SizeCase{"wideAndTopDownTooTall", 501, -600, Admission::TooLarge, 501, 600}),
    [](const testing::TestParamInfo<SizeCase>& info) { return info.param.name; });

TEST(SizeProbe, ReadsTheCoreHeadersSixteenBitSizes) {
    TempFolder folder;
    EXPECT_EQ(ProbeImageFile(folder.write("core.bmp", CoreHeader(127, 64))).admission,
              Admission::Admitted);
    const ProbeResult small = ProbeImageFile(folder.write("core.bmp", CoreHeader(127, 64)));
    EXPECT_EQ(small.width, 127);
    EXPECT_EQ(small.height, 64);
    EXPECT_EQ(ProbeImageFile(folder.write("big.bmp", CoreHeader(501, 64))).admission,
              Admission::TooLarge);
    EXPECT_EQ(ProbeImageFile(folder.write("zero.bmp", CoreHeader(0, 64))).admission,
              Admission::Unreadable);
    EXPECT_EQ(ProbeImageFile(folder.write("flat.bmp", CoreHeader(64, 0))).admission,
              Admission::Unreadable);
    // Sixteen-bit sides are never negative: 0xFFFF is 65535 rows, not a top-down -1.
    EXPECT_EQ(ProbeImageFile(folder.write("huge.bmp", CoreHeader(10, 0xFFFF))).admission,
              Admission::TooLarge);
}

TEST(SizeProbe, RefusesFilesShorterThanTheFieldsItReads) {
    TempFolder folder;
    const std::vector<unsigned char> full = InfoHeader(20, 20);
    for (std::size_t length : {0u, 10u, 17u, 21u, 25u}) {
        const std::vector<unsigned char> cut(full.begin(), full.begin() + long(length));
        EXPECT_EQ(ProbeImageFile(folder.write("cut.bmp", cut)).admission, Admission::Unreadable)
            << length << " bytes";
    }
    const std::vector<unsigned char> exact(full.begin(), full.begin() + 26);
    EXPECT_EQ(ProbeImageFile(folder.write("exact.bmp", exact)).admission, Admission::Admitted);

    // A core header needs only its two 16-bit fields: 22 bytes, not 26.
    const std::vector<unsigned char> core = CoreHeader(30, 40);
    const std::vector<unsigned char> core21(core.begin(), core.begin() + 21);
    const std::vector<unsigned char> core22(core.begin(), core.begin() + 22);
    EXPECT_EQ(ProbeImageFile(folder.write("c21.bmp", core21)).admission, Admission::Unreadable);
    EXPECT_EQ(ProbeImageFile(folder.write("c22.bmp", core22)).admission, Admission::Admitted);
}

TEST(SizeProbe, RefusesAMissingFileWithoutCreatingIt) {
    TempFolder folder;
    const std::string missing = folder.file("missing.bmp");
    EXPECT_EQ(ProbeImageFile(missing).admission, Admission::Unreadable);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing.bmp"));
    EXPECT_EQ(ProbeImageFile("").admission, Admission::Unreadable);
}

TEST(SizeProbe, RefusesAFolder) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "pictures.bmp");
    EXPECT_EQ(ProbeImageFile(folder.file("pictures.bmp")).admission, Admission::Unreadable);
}

TEST(SizeProbe, OpensNamesWithAccentsAndSpaces) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / u8"Imágenes de año");
    const std::string path =
        folder.write("Imágenes de año/pequeño dibujo ñ.bmp", InfoHeader(32, -32));
    const ProbeResult result = ProbeImageFile(path);
    EXPECT_EQ(result.admission, Admission::Admitted);
    EXPECT_EQ(result.width, 32);
    EXPECT_EQ(result.height, 32);
}

TEST(SizeProbe, ProbesEveryGoodSuiteFileAsItsManifestSays) {
    // The suite's good files are 124 to 127 pixels wide (some top-down, one
    // with the core header); all are admitted.
    const std::filesystem::path good = std::filesystem::path(EDITOR_TEST_DATA_DIR) / "bmpsuite/g";
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(good)) {
        const std::u8string name = entry.path().u8string();
        const ProbeResult result = ProbeImageFile(std::string(name.begin(), name.end()));
        EXPECT_EQ(result.admission, Admission::Admitted) << entry.path();
        EXPECT_GE(result.width, 124) << entry.path();
        EXPECT_LE(result.width, 127) << entry.path();
        ++seen;
    }
    EXPECT_EQ(seen, 27);
}

} // namespace
