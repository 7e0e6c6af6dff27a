// The image files: the size probe's admissions; what loading gives, for files
// built byte by byte and the conformance suite in tests/data/bmpsuite; the
// exact bytes the writer makes, under a name with accents; failed saves that
// leave the old file whole.

#include "imagefile/BitmapLimits.h"
#include "imagefile/BitmapLoader.h"
#include "imagefile/BitmapReasons.h"
#include "imagefile/BitmapWriter.h"
#include "imagefile/LoadBitmapFile.h"
#include "imagefile/SizeProbe.h"
#include "ui/graphics/Surfaces.h"

#include "../support/BitmapBytes.h"
#include "../support/ChildProcess.h"
#include "../support/TempFolder.h"
#include "FileTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <random>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <system_error>

namespace {

namespace fs = std::filesystem;
using enum Admission;
using Probe = std::tuple<Admission, int, int>;

const Colour E0 = Rgb(10, 20, 30), E1 = Rgb(200, 100, 50), E2 = Rgb(0, 255, 0);
const fs::path SUITE = fs::path(EDITOR_TEST_DATA_DIR) / "bmpsuite";
const auto Named = [](const auto& info) { return std::string(std::get<0>(info.param)); };
const auto Probed = [](const ProbeResult& p) { return Probe(p.admission, p.width, p.height); };
const auto Cut = [](Bytes bytes, std::size_t size) { return bytes.resize(size), bytes; };
const auto Info = [](int width, int height) { return BitmapFile(width, height); };
std::string reason; // of the last refusal
const auto Loaded = [](const auto& image) { return image ? std::string("loaded") : reason; };
// A file with one field set, by default 2 x 2 at 8 bits with two palette
// entries: 70 bytes, the pixels at 62; Set() is that file as it is.
Bytes Set(std::size_t at = AT_WIDTH, std::uint32_t value = 2, int width = 4, Bytes file = {}) {
    if (file.empty()) file = BitmapFile(2, 2, 8, 0, {E0, E1}, {0, 1, 0, 0, 1, 0, 0, 0});
    return PutLE(file, at, value, width), file;
}
// Run-length codes, 8 or 4 bits a pixel, of a 5 pixels wide image.
const auto Rle = [](int bits, const Bytes& codes, int rows = 2) {
    return BitmapFile(5, rows, std::uint16_t(bits), bits == 8 ? 1 : 2, {E0, E1, E2}, codes);
};

using ProbeCase = std::tuple<std::string, Bytes, Probe>;
class ProbeTable : public testing::TestWithParam<ProbeCase> {};
TEST_P(ProbeTable, RefusesASideAbove500ThenAnImpossibleSize) {
    const auto& [name, header, probe] = GetParam();
    EXPECT_EQ(Probed(ProbeImageHeader(header.data(), header.size())), probe);
}
const Probe NO{Unreadable, 0, 0}, BIG{TooLarge, 0, 0};
// A value of a side, and what it makes of the image as the width and as the
// height: too large, no image, or an admitted side (a top-down image's height
// counts by its absolute value).
using Side = std::tuple<const char*, std::int32_t, Admission, Admission>;
// clang-format off
const Side SIDES[] = {{"500", 500, Admitted, Admitted}, {"501", 501, TooLarge, TooLarge},
    {"0", 0, Unreadable, Unreadable}, {"Minus1", -1, Unreadable, Admitted},
    {"Minus500", -500, Unreadable, Admitted}, {"Minus501", -501, Unreadable, TooLarge},
    {"Min", INT32_MIN, Unreadable, TooLarge}, {"Max", INT32_MAX, TooLarge, TooLarge}};
// clang-format on
// Every width with every height: a side above 500 refuses the image as too
// large whatever the other holds; then any other refusal makes it unreadable.
std::vector<ProbeCase> Probes() {
    std::vector<ProbeCase> cases = {
        {"widthMinus1Height600", Info(-1, 600), BIG},
        {"cutInHeight", Cut(Info(9, 9), 25), NO},
        {"cutAfterHeight", Cut(Info(9, 9), 26), {Admitted, 9, 9}},
        {"coreCutAfterHeight", Cut(CoreHeader(3, 4), 22), {Admitted, 3, 4}},
        {"coreCutInHeight", Cut(CoreHeader(3, 4), 21), NO},
        {"coreHeight65535", CoreHeader(0, 0xFFFF), BIG}};
    for (const auto& [wName, width, asWidth, heightRule] : SIDES)
        for (const auto& [hName, height, widthRule, asHeight] : SIDES) {
            const std::set both{asWidth, asHeight};
            const Admission a = both.contains(TooLarge)     ? TooLarge
                                : both.contains(Unreadable) ? Unreadable
                                                            : Admitted;
            cases.emplace_back(std::string("width") + wName + "Height" + hName, Info(width, height),
                               a == Admitted ? Probe(a, width, std::abs(height)) : Probe(a, 0, 0));
        }
    return cases;
}
INSTANTIATE_TEST_SUITE_P(Headers, ProbeTable, testing::ValuesIn(Probes()), Named);

using LoadCase = std::tuple<const char*, Bytes, const char*>;
class Loading : public testing::TestWithParam<LoadCase> {};
TEST_P(Loading, LoadsOrSaysWhyNot) {
    const auto& [name, file, why] = GetParam();
    EXPECT_EQ(Loaded(ReadBitmapBytes(file, &reason)), why);
}
// clang-format off
const LoadCase LOADS[] = {
    {"rleEndsItsLastRow", Rle(8, {5, 1, 0, 0}, 1), "loaded"},
    {"signature", Set(1, 'X', 1), REASON_NOT_A_BITMAP},
    {"cutInInfoHeader", Cut(Set(), 40), REASON_HEADER_CUT_SHORT},
    {"cutInFileHeader", Cut(Set(), 12), REASON_HEADER_CUT_SHORT},
    {"headerSize52", Set(AT_HEADER_SIZE, 52), REASON_UNKNOWN_HEADER},
    {"width501", Set(AT_WIDTH, 501), REASON_TOO_LARGE},
    {"widthZero", Set(AT_WIDTH, 0), REASON_BAD_SIZE},
    {"planes2", Set(AT_PLANES, 2, 2), REASON_BAD_PLANES},
    {"bits2", Set(AT_BITS, 2, 2), REASON_BAD_BIT_COUNT},
    {"rle4On8Bits", Set(AT_COMPRESSION, 2), REASON_BAD_COMPRESSION},
    {"rle8On4Bits", Set(AT_COMPRESSION, 1, 4, Rle(4, {})), REASON_BAD_COMPRESSION},
    {"topDownRle", Rle(8, {0, 1}, -2), REASON_TOP_DOWN_RUN_LENGTH},
    {"palette257", Set(AT_COLOURS_USED, 257), REASON_PALETTE_TOO_LARGE},
    {"palette256", Set(AT_COLOURS_USED, 256), REASON_TABLES_PAST_END},
    {"dataOffsetPastEnd", Set(AT_DATA_OFFSET, 71), REASON_DATA_OFFSET_PAST_END},
    {"dataOffsetInPalette", Set(AT_DATA_OFFSET, 61), REASON_DATA_OFFSET_INSIDE_TABLES},
    {"rowsCutShort", Cut(Set(), 69), REASON_ROWS_CUT_SHORT},
    {"dataOffsetAtEnd", Set(AT_DATA_OFFSET, 70), REASON_ROWS_CUT_SHORT},
    {"rleOneRowOfTwo", Rle(8, {5, 1, 0, 0}), REASON_RUN_LENGTH_CUT_SHORT},
    {"rleLiteralWithoutPad", Rle(8, {0, 3, 1, 2, 0}), REASON_RUN_LENGTH_CUT_SHORT},
    {"rleRunPastRow", Rle(8, {3, 1, 3, 1, 0, 1}), REASON_RUN_PAST_ROW},
    {"rleJumpPastRow", Rle(8, {0, 2, 6, 0, 0, 1}), REASON_JUMP_PAST_IMAGE},
    {"rleJumpPastTop", Rle(8, {0, 2, 0, 2, 0, 1}), REASON_JUMP_PAST_IMAGE}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Files, Loading, testing::ValuesIn(LOADS), Named);

// An image's width, height and digest: 64-bit FNV-1a over those two and its pixels, 4 bytes each.
using Summary = std::tuple<int, int, std::uint64_t>;
Summary Summarised(const DecodedImage& image) {
    std::vector<Colour> words = {Colour(image.width), Colour(image.height)};
    words.insert(words.end(), image.pixels.begin(), image.pixels.end());
    std::uint64_t hash = 14695981039346656037u;
    for (std::size_t i = 0; i < 4 * words.size(); ++i)
        hash = (hash ^ ((words[i / 4] >> (8 * (i % 4))) & 0xFF)) * 1099511628211u;
    return {image.width, image.height, hash};
}

// Every suite file loads as tests/data/decode-oracle.tsv records it, or is refused (0, 0, 0)
// when not listed there; every good one also as its reference decode, and not when cut short.
TEST(BitmapSuite, EveryFileDecodesAsTheOracleSaysAndEveryGoodOneAsItsReference) {
    const std::string missing = (SUITE / "g/missing.bmp").string(); // never made by trying
    EXPECT_EQ(std::tuple(Probed(ProbeImageFile(missing)), LoadBitmapFile(missing, 1, 1),
                         fs::exists(missing), Loaded(ReadBitmapImage(SUITE.string(), &reason)),
                         Loaded(ReadBitmapBytes(Cut(Set(), MAX_BITMAP_FILE_BYTES + 1), &reason))),
              std::tuple(NO, 0u, false, REASON_NOT_A_FILE, REASON_FILE_TOO_BIG));
    std::map<std::string, Summary> oracle;
    std::ifstream table(fs::path(EDITOR_TEST_DATA_DIR) / "decode-oracle.tsv");
    for (std::string line, file; std::getline(table, line);) {
        auto [width, height, digest] = Summary();
        if (std::istringstream(line) >> file >> width >> height >> std::hex >> digest)
            oracle[file] = {width, height, digest};
    }
    for (const std::string set : {"g", "q", "b"})
        for (const fs::path& bmp : fs::directory_iterator(SUITE / set)) {
            const std::string name = bmp.stem().string(), text = FileText(bmp);
            const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
            const std::optional<DecodedImage> image = ReadBitmapBytes(bytes, &reason);
            EXPECT_EQ(image ? Summarised(*image) : Summary(), oracle[set + "/" + name + ".bmp"])
                << set << "/" << name;
            if (set != "g") continue;
            // gref/NAME.rgb.txt: "W H", then RRGGBB values, the top row first.
            std::ifstream reference(SUITE / "gref" / (name + ".rgb.txt"));
            DecodedImage want;
            reference >> want.width >> want.height;
            for (unsigned long rgb; reference >> std::hex >> rgb;)
                want.pixels.push_back(Rgb(rgb >> 16, rgb >> 8, rgb));
            const DecodedImage got = image.value_or(DecodedImage{});
            EXPECT_FALSE(ReadBitmapBytes(bytes.first(bytes.size() - 1), nullptr)) << name;
            EXPECT_EQ(Probed(ProbeImageFile(bmp.string())), Probe(Admitted, got.width, got.height));
            EXPECT_TRUE(got.width == want.width && got.pixels == want.pixels) << name;
        }
}

// A pixel as the loader must read it, spelled out: for each channel the pixel's bits under its
// mask (the pixel's own only), highest first, written out again and again; the first eight.
Colour Modelled(std::uint32_t pixel, const std::vector<std::uint32_t>& masks, int bits) {
    Colour colour = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        std::string once, all;
        for (int i = bits - 1; i >= 0; --i)
            if (masks[c] >> i & 1) once += char('0' + (pixel >> i & 1));
        while (!once.empty() && all.size() < 8) all += once;
        colour |= Colour(std::stoul("0" + all.substr(0, 8), nullptr, 2)) << (8 * c);
    }
    return colour;
}
// One row of 16- or 32-bit pixels as loaded, with bit-field masks when there are any.
std::vector<Colour> Decoded(int bits, const std::vector<std::uint32_t>& pixels,
                            const std::vector<std::uint32_t>& masks = {}) {
    Bytes data;
    for (std::uint32_t word : masks) PutLE(data, data.size(), word, 4);
    for (std::uint32_t word : pixels) PutLE(data, data.size(), word, bits / 8);
    data.resize(data.size() + 2); // the row's padding, at most
    Bytes file = BitmapFile(int(pixels.size()), 1, std::uint16_t(bits), masks.size() ? 3 : 0, {},
                            data);
    PutLE(file, AT_DATA_OFFSET, std::uint32_t(INFO_FILE_HEADERS + 4 * masks.size()), 4);
    return ReadBitmapBytes(file, &reason).value_or(DecodedImage{}).pixels;
}

TEST(BitFields, ChannelsOfAnyWidthRepeatTheirBitsToEightSoFullGives255) {
    // 5-5-5 without masks: magenta stays the key colour, white stays white, the top bit is unused.
    EXPECT_EQ(Decoded(16, {0x7C1F, 0x7FFF, 0x8000}), (std::vector<Colour>{0xFF00FF, 0xFFFFFF, 0}));
    EXPECT_EQ(Decoded(16, {0xF800, 0x07E0, 0x001F, 0xFFFF, 0}, {0xF800, 0x07E0, 0x001F}),
              (std::vector<Colour>{Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), 0xFFFFFF, 0}));
    // Masks of 1 to 16 bits anywhere in 32 (beyond a 16-bit pixel too), every fifth with gaps.
    std::mt19937 seeded(7);
    const auto next = [&seeded] { return std::uint32_t(seeded()); };
    for (int round = 0; round < 300; ++round) {
        const int bits = round % 2 ? 16 : 32;
        std::vector<std::uint32_t> masks(3), pixels = {0, ~0u, next(), next(), next()}, want;
        for (std::uint32_t& mask : masks) {
            const unsigned width = 1 + next() % 16;
            mask = round % 5 ? std::uint32_t(((1ull << width) - 1) << next() % (33 - width))
                             : next() & next();
        }
        for (std::uint32_t p : pixels) want.push_back(Modelled(p, masks, bits));
        ASSERT_EQ(Decoded(bits, pixels, masks), want) << "round " << round;
    }
}

// Each save draws from a generator of its own, seeded by its name, so that
// the order the tests run in changes nothing they draw.
std::mt19937 random;
// A width x height picture of random colours, a quarter magenta, made the drawing target.
const auto Picture = [](int width, int height) {
    std::vector<Colour> pixels(std::size_t(width * height));
    std::ranges::generate(
        pixels, [] { return random() % 4 ? Colour(random() & 0xFFFFFF) : Rgb(255, 0, 255); });
    AttachSurface(NewBitmapSurfaceFrom(width, height, pixels.data()), 0, false);
    return pixels;
};
const char* const OUTCOMES[] = {"written", "nothing done", "failed: "}; // of WriteOutcome
const auto Written = [](const WriteResult& r) { return OUTCOMES[int(r.outcome)] + r.reason; };

// The file for these pixels, built the plain way: the headers, then the rows
// bottom-up as blue, green, red, each padded with zeros to a multiple of 4 bytes.
std::string Expected(int width, int height, const std::vector<Colour>& pixels) {
    Bytes rows;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Colour c = pixels[std::size_t(y * width + x)];
            rows.insert(rows.end(), {BlueOf(c), GreenOf(c), RedOf(c)});
        }
        rows.resize((rows.size() + 3) / 4 * 4, 0);
    }
    const Bytes file = Set(AT_IMAGE_SIZE, 0, 4, BitmapFile(width, height, 24, 0, {}, rows));
    return std::string(file.begin(), file.end());
}

// A save of a width x height picture (0: of a random size) into a folder of
// image.bmp, two links to it, a pipe and a link to a device (on Windows
// image.bmp alone), with these permissions of image.bmp and of the folder, as
// another user than root or with files of at most 64 KiB: what it reports (0:
// written), and the entry that then holds the picture. Every other entry keeps
// its bytes and permissions. Names under a file and folders as targets: see
// the files tests.
#ifdef _WIN32
// Windows keeps a file's read-only attribute only, seen as mode 0444, or else 0666.
const auto Kept = [](int mode) { return mode & 0200 ? 0666 : 0444; };
#else
const auto Kept = [](int mode) { return mode; };
#endif
using Save = std::tuple<const char*, const char*, int, int, int, int, bool, bool, int, const char*>;
class Saves : public testing::TestWithParam<Save> {};

TEST_P(Saves, WriteExactBytesOrKeepTheOldFileWholeAndLeaveNoTemporaryFile) {
    auto [name, target, width, height, mode, dirMode, other, limited, error, changed] = GetParam();
    random.seed(std::uint32_t(std::hash<std::string>{}(name)));
    if (!width) width = 1 + random() % 500, height = 1 + random() % 500;
    TempFolder folder;
    std::ofstream(folder.path() / "image.bmp") << std::string(limited ? 20000 : 800000, 'o');
#ifndef _WIN32
    fs::create_symlink("image.bmp", folder.path() / "link.bmp");
    fs::create_symlink("link.bmp", folder.path() / "link-to-link.bmp");
    folder.place("pipe.bmp", "<pipe>"), folder.place("null.bmp", "->/dev/null");
    ::umask(022);
#endif
    fs::permissions(folder.path() / "image.bmp", fs::perms(mode));
    fs::permissions(folder.path(), fs::perms(dirMode));
    AttachSurface(0, 0, false);
    EXPECT_EQ(Written(WriteBitmapFile(folder.file(target))), "nothing done"); // without a target
    const std::vector<Colour> pixels = Picture(width, height);
    EXPECT_EQ(Written(WriteBitmapFile("")), "nothing done"); // without a name
    std::map<std::string, std::string> expected = Snapshot(folder.path());
    if (changed) // with its own permissions, or a new file's usual ones
        expected[changed] = std::to_string(Kept(expected.count(changed) ? mode : 0644)) + " " +
                            Digest(Expected(width, height, pixels));
    const std::string want = error ? "failed: " + std::system_category().message(error) : "written";
    const auto save = [&, name = name, target = target, limited = limited] {
#ifndef _WIN32
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{64 << 10, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
        if (limited) ::setrlimit(RLIMIT_FSIZE, &small);
#endif
        const std::string got = Written(WriteBitmapFile(folder.file(target)));
#ifndef _WIN32
        ::setrlimit(RLIMIT_FSIZE, &limit);
#endif
        // Windows' own text of an error keeps the full stop that the library's drops.
        if (got == want || got == want + ".") return 0;
        return std::fprintf(stderr, "%s: %s\n", name, got.c_str()), 1;
    };
    EXPECT_EQ(other ? RunUnprivileged(save) : save(), 0) << "expected " << want;
    fs::permissions(folder.path(), fs::perms(0755));
    EXPECT_EQ(Snapshot(folder.path()), expected);
    if (!changed) return;
    // Loaded back at its own size; refused as any other (a file changed since it was probed).
    const std::string file = folder.file(changed);
    EXPECT_EQ(ReadSurfaceArea(LoadBitmapFile(file, width, height), 0, 0, width, height), pixels);
    EXPECT_EQ(LoadBitmapFile(file, width, height + 1), 0u);
}

// clang-format off
const Save SAVES[] = {
    {"oneByOne", "image.bmp", 1, 1, 0644, 0755, false, false, 0, "image.bmp"},
    {"oddWidthKeepsPermissions", "image.bmp", 47, 33, 0604, 0755, false, false, 0, "image.bmp"},
#ifdef _WIN32
    // A read-only file is refused for every user (ERROR_ACCESS_DENIED), and so
    // is a device's name in any folder (ERROR_NOT_SUPPORTED).
    {"readOnlyFile", "image.bmp", 0, 0, 0444, 0777, false, false, 5, nullptr},
    {"deviceName", "nul.bmp", 0, 0, 0644, 0755, false, false, 50, nullptr},
#else
    {"linksFollowed", "link-to-link.bmp", 0, 0, 0644, 0755, false, false, 0, "image.bmp"},
    {"inPlaceFallback", "image.bmp", 0, 0, 0666, 0555, true, false, 0, "image.bmp"},
    {"fileSizeLimit", "image.bmp", 500, 500, 0644, 0755, false, true, EFBIG, nullptr},
    {"inPlaceWriteCutShort", "image.bmp", 500, 500, 0666, 0555, true, true, EFBIG, nullptr},
    {"unwritableFolder", "new.bmp", 0, 0, 0644, 0555, true, false, EACCES, nullptr},
    {"readOnlyFile", "image.bmp", 0, 0, 0444, 0777, true, false, EACCES, nullptr},
    // A pipe nobody reads fails at once; a device takes the bytes. Both stay what they are.
    {"pipeNobodyReads", "pipe.bmp", 0, 0, 0644, 0755, false, false, ENXIO, nullptr},
    {"deviceName", "null.bmp", 0, 0, 0644, 0755, false, false, 0, nullptr},
#endif
    {"newFileWithAccents", "año ñ.bmp", 500, 500, 0644, 0755, false, false, 0, "año ñ.bmp"}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Files, Saves, testing::ValuesIn(SAVES), Named);

} // namespace
