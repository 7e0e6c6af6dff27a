// The loader over the conformance suite in tests/data/bmpsuite: good files
// decode to their reference pixels, questionable and bad ones load or are
// refused with a reason, and a cut-off copy of a good file is refused.

#include "imagefile/BitmapLoader.h"
#include "imagefile/SizeProbe.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path SUITE = fs::path(EDITOR_TEST_DATA_DIR) / "bmpsuite";

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::vector<fs::path> SuiteFiles(const std::string& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(SUITE / folder))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// gref/NAME.rgb.txt: "W H", then rows of RRGGBB values, top row first.
DecodedImage ReferencePixels(const fs::path& goodFile) {
    std::ifstream in(SUITE / "gref" / (goodFile.stem().string() + ".rgb.txt"));
    DecodedImage image;
    in >> image.width >> image.height;
    std::string hex;
    while (in >> hex) {
        const unsigned long rgb = std::stoul(hex, nullptr, 16);
        image.pixels.push_back(
            Rgb(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)));
    }
    return image;
}

// How far apart two decoders may widen a channel: one step of a channel kept
// in fewer than 8 bits. {red, green, blue} steps per file.
struct ChannelSteps {
    int red = 0, green = 0, blue = 0;
};
ChannelSteps AllowedSteps(const std::string& name) {
    constexpr int FIVE_BIT_STEP = 9; // 255 / 31, rounded up
    constexpr int SIX_BIT_STEP = 5;  // 255 / 63, rounded up
    if (name.rfind("rgb16-565", 0) == 0) return {FIVE_BIT_STEP, SIX_BIT_STEP, FIVE_BIT_STEP};
    if (name.rfind("rgb16", 0) == 0) return {FIVE_BIT_STEP, FIVE_BIT_STEP, FIVE_BIT_STEP};
    return {};
}

std::string Hex(Colour c) {
    std::ostringstream text;
    text << std::hex << c;
    return text.str();
}

TEST(BitmapSuite, EveryGoodFileIsAdmittedAndMatchesItsReference) {
    int checked = 0;
    for (const fs::path& file : SuiteFiles("g")) {
        SCOPED_TRACE(file.filename().string());
        const ProbeResult probe = ProbeImageFile(Utf8(file));
        ASSERT_EQ(probe.admission, Admission::Admitted);
        std::string reason;
        const std::optional<DecodedImage> image = ReadBitmapImage(Utf8(file), &reason);
        ASSERT_TRUE(image) << reason;
        const DecodedImage expected = ReferencePixels(file);
        ASSERT_EQ(image->width, probe.width);
        ASSERT_EQ(image->height, probe.height);
        ASSERT_EQ(image->width, expected.width);
        ASSERT_EQ(image->height, expected.height);
        ASSERT_EQ(image->pixels.size(), expected.pixels.size());
        const ChannelSteps steps = AllowedSteps(file.filename().string());
        int mismatches = 0;
        for (std::size_t i = 0; i < expected.pixels.size() && mismatches < 5; ++i) {
            const Colour got = image->pixels[i];
            const Colour want = expected.pixels[i];
            const bool close = std::abs(RedOf(got) - RedOf(want)) <= steps.red &&
                               std::abs(GreenOf(got) - GreenOf(want)) <= steps.green &&
                               std::abs(BlueOf(got) - BlueOf(want)) <= steps.blue;
            if (!close) {
                ++mismatches;
                ADD_FAILURE() << "pixel (" << i % std::size_t(image->width) << ", "
                              << i / std::size_t(image->width) << "): got " << Hex(got)
                              << ", reference " << Hex(want);
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 27);
}

TEST(BitmapSuite, EveryQuestionableOrBadFileLoadsAtItsProbedSizeOrIsRefusedWithAReason) {
    int loaded = 0;
    int refused = 0;
    for (const std::string folder : {"q", "b"}) {
        for (const fs::path& file : SuiteFiles(folder)) {
            SCOPED_TRACE(folder + "/" + file.filename().string());
            const ProbeResult probe = ProbeImageFile(Utf8(file));
            std::string reason;
            const std::optional<DecodedImage> image = ReadBitmapImage(Utf8(file), &reason);
            if (!image) {
                EXPECT_FALSE(reason.empty());
                ++refused;
                continue;
            }
            ++loaded;
            // Only an admitted size ever loads.
            ASSERT_EQ(probe.admission, Admission::Admitted);
            EXPECT_EQ(image->width, probe.width);
            EXPECT_EQ(image->height, probe.height);
            EXPECT_EQ(image->pixels.size(), std::size_t(probe.width) * std::size_t(probe.height));
            for (Colour c : image->pixels)
                ASSERT_EQ(c >> 24, 0u) << Hex(c);
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

// The suite's files that say in their names which good file they vary.
const std::map<std::string, std::string> GAP_FILES = {{"q/pal8rletrns.bmp", "pal8rle"},
                                                      {"q/pal8rlecut.bmp", "pal8rle"},
                                                      {"q/pal4rletrns.bmp", "pal4rle"},
                                                      {"q/pal4rlecut.bmp", "pal4rle"}};

Colour FirstPaletteEntry(const std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t PALETTE_AT = 14 + 40; // these files have the 40-byte header
    return Rgb(bytes[PALETTE_AT + 2], bytes[PALETTE_AT + 1], bytes[PALETTE_AT]);
}

TEST(BitmapSuite, RunLengthSkipsAndEarlyEndsGivePaletteEntryZeroOnEveryLoad) {
    for (const auto& [name, goodName] : GAP_FILES) {
        SCOPED_TRACE(name);
        const fs::path file = SUITE / name;
        const Colour gap = FirstPaletteEntry(FileBytes(file));
        const DecodedImage whole = ReferencePixels(SUITE / "g" / (goodName + ".bmp"));
        std::string reason;
        const std::optional<DecodedImage> first = ReadBitmapImage(Utf8(file), &reason);
        ASSERT_TRUE(first) << reason;
        ASSERT_EQ(first->pixels.size(), whole.pixels.size());
        int gaps = 0;
        for (std::size_t i = 0; i < whole.pixels.size(); ++i) {
            const Colour c = first->pixels[i];
            if (c == whole.pixels[i]) continue;
            ASSERT_EQ(c, gap) << "pixel " << i << " is neither the good file's nor the gap colour";
            ++gaps;
        }
        EXPECT_GT(gaps, 0);
        for (int run = 0; run < 3; ++run) {
            const std::optional<DecodedImage> again = ReadBitmapImage(Utf8(file), &reason);
            ASSERT_TRUE(again);
            EXPECT_EQ(again->pixels, first->pixels);
        }
    }
}

// Where to cut a file: inside the file header, inside the info header, just
// before the pixel data, in the middle of it and one byte short of the end.
std::vector<std::size_t> CutPoints(const std::vector<std::uint8_t>& bytes) {
    const std::size_t dataOffset = std::size_t(bytes[10]) | std::size_t(bytes[11]) << 8 |
                                   std::size_t(bytes[12]) << 16 | std::size_t(bytes[13]) << 24;
    return {0,
            2,
            13,
            20,
            30,
            dataOffset - 1,
            dataOffset,
            (dataOffset + bytes.size()) / 2,
            bytes.size() - 1};
}

TEST(BitmapSuite, ACutOffCopyOfAGoodFileIsRefused) {
    TempFolder folder;
    for (const fs::path& file : SuiteFiles("g")) {
        const std::vector<std::uint8_t> bytes = FileBytes(file);
        for (std::size_t cut : CutPoints(bytes)) {
            SCOPED_TRACE(file.filename().string() + " cut to " + std::to_string(cut) + " of " +
                         std::to_string(bytes.size()) + " bytes");
            const std::string path = folder.write(
                "cut.bmp", std::vector<unsigned char>(bytes.begin(), bytes.begin() + long(cut)));
            std::string reason;
            EXPECT_FALSE(ReadBitmapImage(path, &reason));
            EXPECT_FALSE(reason.empty());
        }
    }
}

} // namespace
