// The block size settings: the number rule; seeded random hand edits, saves
// and reads against a model of the file; faults that leave the file alone.

#include "canvas/EditingState.h"
#include "files/Utf8Path.h"
#include "settings/BlockSizeSettings.h"
#include "settings/ReadNumber.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsPath.h"

#include "../support/ChildProcess.h"
#include "../support/TempFolder.h"
#include "FileTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <regex>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// No test writes in the user's own configuration folder: unless a test says
// otherwise, it is one that cannot be made, under a file on Linux, and on
// Windows by a name no file there may have. The environment names the folder
// it goes in.
#ifdef _WIN32
const fs::path NO_USER_BASE = "C:\\no|config";
const auto SetUserBase = [](const fs::path& base) { _wputenv_s(L"LOCALAPPDATA", base.c_str()); };
#else
const fs::path NO_USER_BASE = "/dev/null/config";
const auto SetUserBase = [](const fs::path& base) { setenv("XDG_CONFIG_HOME", base.c_str(), 1); };
#endif
[[maybe_unused]] const bool NO_USER_FOLDER = (SetUserBase(NO_USER_BASE), true);

const auto Block = [] { return std::pair<int, int>(Editing().BlockWidth, Editing().BlockHeight); };
const auto SetBlock = [](int width, int height) {
    Editing().BlockWidth = std::int16_t(width), Editing().BlockHeight = std::int16_t(height);
};

class ReadNumberTable : public testing::TestWithParam<std::pair<std::string, int>> {};
TEST_P(ReadNumberTable, ReadsTheText) {
    EXPECT_EQ(ReadNumber(GetParam().first), GetParam().second);
}
// Blanks first; no number; reading stops at the first character that does not fit; the
// nearest integer, a tie going to the even one; exponents after E, e, D or d; "&" and a radix
// letter, any other character after it being the first octal digit; the 16-bit range, a number
// outside it reading as -32768.
// clang-format off
const std::pair<std::string, int> NUMBERS[] = {
    {"", 0}, {" \t\r\n 12", 12}, {"\v5", 0}, {std::string("\0" "5", 2), 0}, {"7abc", 7}, {"1,5", 1},
    {std::string("5\0" "7", 3), 5}, {"1e+", 1}, {"7f3", 7}, {"-5", -5}, {"+8", 8}, {"- 5", 0},
    {"--5", 0}, {"-.6", -1}, {"5.", 5}, {"0.5", 0}, {"1.5", 2}, {"2.5", 2}, {"-3.5", -4},
    {"2.6", 3}, {"0.05", 0}, {"2.5000000000000001", 3}, {"-2.5000000000000001", -3},
    {"0." + std::string(300, '9'), 1}, {"1e3", 1000}, {"1E3", 1000}, {"1d3", 1000}, {"1D+2", 100},
    {"25e-1", 2}, {"35E-1", 4}, {".5e1", 5}, {"5e-400", 0}, {"\n&H1F", 31}, {"&h7FFF", 32767},
    {"&B101", 5}, {"&b2", 0}, {"&O17", 15}, {"&o17", 15}, {"&Q17", 15}, {"&q7", 7}, {"&17", 15},
    {"&8", 0}, {"&", 0}, {"&HG", 0}, {"&H10.5", 16}, {"-&H5", 0}, {"32767.4", 32767},
    {"32767.5", -32768}, {"32766.5", 32766}, {"-32768", -32768}, {"-32769", -32768},
    {"1e99999999999999999999", -32768}, {"&H8000", -32768}, {"&100000", -32768},
    {"&H" + std::string(300, 'F'), -32768}, {std::string(300, '9'), -32768},
    {std::string(300, '0') + "12", 12}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Texts, ReadNumberTable, testing::ValuesIn(NUMBERS));

// One line of the settings file, and what the program makes of it: whether it
// starts a section named as the program's (1) or another (2), holds the width's
// (1) or the height's (2) key, and what the key's value reads as.
struct IniLine {
    std::string text;
    int header = 0, key = 0, number = 0;
    std::string ending = "\n";
};
// Lines as someone might write them: sections, the keys with values in many
// forms, comments, lines that are neither, bytes from 0x80 in some.
// clang-format off
const IniLine HAND_WRITTEN[] = {
    {"[Multiple]", 1}, {" [ MULTIPLE ] ", 1}, {"[multiple", 1}, {"[Otra]", 2}, {"[Multiples]", 2},
    {"ancho=5", 0, 1, 5}, {" ANCHO\t=  12 ", 0, 1, 12}, {"alto='7'", 0, 2, 7}, {"ancho=", 0, 1, 0},
    {"Alto = \"-3\"", 0, 2, -3}, {"ancho=&h1F", 0, 1, 31}, {"alto=\"5'", 0, 2, 0}, {"clave=valor"},
    {"alto=" + std::string(258, '0') + "12", 0, 2, 1}, {"; ancho=4"}, {"anchura=9"}, {"ancho"},
    {"=5"}, {""}, {" \t"}, {"x\ry"}, {"; \xD8\xDC \xDC\xD8 \xC3"}, {"\xD8" "ancho=4"},
    {"alto=6\xDC", 0, 2, 6}};
// clang-format on

// The file as written by hand and by saves. A save replaces a key's line where
// it stands; a missing key goes after the last non-blank line of the first
// section named as the program's, a missing section at the end; new lines end
// as the first line does.
struct IniModel {
    std::vector<IniLine> lines;
    // The file's bytes: the lines (form 0), or after the UTF-16LE byte order mark a unit per
    // byte of them (1), then an odd last byte (2). A byte from 0x80 becomes the unit
    // (byte << 8) | 0x0A: surrogates, alone and paired, and units holding a line feed byte.
    std::string Text(int form) const {
        std::string text = form ? "\xFF\xFE" : "";
        for (const IniLine& line : lines)
            for (const char c : line.text + line.ending)
                text += !form      ? std::string{c}
                        : c & 0x80 ? std::string{'\n', c}
                                   : std::string{c, '\0'};
        return form == 2 ? text + '\n' : text;
    }
    int Find(int key) const { // the first line of the key in a section named as the program's
        for (int at = 0, header = 0; at < int(lines.size()); ++at) {
            header = lines[at].header ? lines[at].header : header;
            if (lines[at].key == key && header == 1) return at;
        }
        return -1;
    }
    int Get(int key) const { return Find(key) < 0 ? 3 : lines[Find(key)].number; }
    void Save(int key, int value) {
        const std::string ending = lines.empty() ? SETTINGS_NEW_LINE : lines[0].ending;
        IniLine saved{std::string(key == 1 ? SETTINGS_KEY_WIDTH : SETTINGS_KEY_HEIGHT) + "=" +
                          (value < 0 ? "-" : " ") + std::to_string(std::abs(value)),
                      0, key, value, ending};
        if (const int at = Find(key); at >= 0)
            return void(lines[at] = {saved.text, 0, key, value, lines[at].ending});
        std::size_t at = std::ranges::find(lines, 1, &IniLine::header) - lines.begin();
        if (at == lines.size())
            lines.push_back({"[" + std::string(SETTINGS_SECTION) + "]", 1, 0, 0, ending});
        for (std::size_t next = at + 1; next < lines.size() && !lines[next].header; ++next)
            at = lines[next].text.find_first_not_of(" \t") == std::string::npos ? at : next;
        lines.insert(lines.begin() + std::ptrdiff_t(at) + 1, saved);
    }
};

TEST(SettingsFile, SaveKeepsEveryOtherByteAndGetReadsWhatTheModelSays) {
    TempFolder folder;
    // A folder name in UTF-8 and one byte that is not: names are the system's bytes
    // (on Windows the byte stands for U+FFFD, as the program reads it).
    const std::string name = "Configuración \xE9";
    const fs::path home = PathFromUtf8(folder.file(name)), file = home / SETTINGS_FILE_NAME;
    SetSettingsFolderForTests(folder.file(name));
    for (unsigned seed = 1; seed <= 25; ++seed) {
        std::mt19937 random(seed);
        IniModel model;
        const int form = int(seed % 3); // 8-bit files start missing, UTF-16 ones as the mark
        fs::remove_all(home), fs::create_directory(home);
        if (form) std::ofstream(file, std::ios::binary) << model.Text(form);
        for (int step = 0; step < 40; ++step) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step));
            const int width = std::int16_t(random()), height = std::int16_t(random());
            SetBlock(width, height);
            if (random() % 3 == 0) { // a line written by hand, anywhere
                IniLine line = HAND_WRITTEN[random() % std::size(HAND_WRITTEN)];
                line.ending = random() % 2 ? "\n" : "\r\n";
                model.lines.insert(model.lines.begin() + random() % (model.lines.size() + 1), line);
                std::ofstream(file, std::ios::binary) << model.Text(form);
            } else {
                BlockSizeSettings(SETTINGS_ACTION_SAVE);
                model.Save(1, width), model.Save(2, height);
            }
            // Any other action does nothing.
            BlockSizeSettings(std::array{"Get", "SAVE", "get ", "", "load"}[random() % 5]);
            ASSERT_EQ(Block(), std::pair(width, height));
            ASSERT_EQ(FileText(file), model.Text(form));
            SetBlock(99, 99);
            BlockSizeSettings(SETTINGS_ACTION_GET);
            ASSERT_EQ(Block(), std::pair(model.Get(1), model.Get(2)));
        }
    }
}

// Where a run keeps the block size: beside the executable, in a file there
// the user may write, though the folder be read-only (rewritten in place);
// otherwise in the user's own copy, which starts from the file beside the
// executable and leaves it as it was; or, where that cannot be written
// either, or what is there cannot be read whole, nowhere, for the run only.
// The next run reads it there. Each case: what stands beside the executable
// ("" nothing, or see TempFolder::place), its (0: none to set) and its
// folder's permissions, whether the program runs as another user than root,
// the width "get" reads (the height is never there), and the user's copy.
enum Place { Beside, UserCopy, Nowhere };
using SettingsPlace =
    std::tuple<const char*, std::string, mode_t, mode_t, bool, int, std::string, Place>;
class SettingsPlaces : public testing::TestWithParam<SettingsPlace> {};

TEST_P(SettingsPlaces, ARunKeepsItInOnePlaceWhereTheNextRunReadsIt) {
    const auto& [name, text, fileMode, folderMode, unprivileged, width, userCopy, place] =
        GetParam();
    TempFolder folder, user;
    const fs::path file = folder.path() / SETTINGS_FILE_NAME,
                   copy = user.path() / "Velmora/Editor Bitmap" / SETTINGS_FILE_NAME;
    if (!text.empty()) folder.place(SETTINGS_FILE_NAME, text);
    if (fileMode) fs::permissions(file, fs::perms(fileMode));
    fs::permissions(folder.path(), fs::perms(folderMode));
    fs::permissions(user.path(), fs::perms::all);
    if (place == UserCopy) SetUserBase(user.path());
    const auto before = Snapshot(folder.path());
    const auto run = [&, width = width, place = place, userCopy = userCopy] {
        if (!userCopy.empty())
            fs::create_directories(copy.parent_path()), std::ofstream(copy, std::ios::binary)
                                                            << userCopy;
        SetSettingsFolderForTests(folder.file("")), BlockSizeSettings(SETTINGS_ACTION_GET);
        const bool read = Block() == std::pair(width, 3);
        SetBlock(5, 6), BlockSizeSettings(SETTINGS_ACTION_SAVE);
        const bool kept = Block() == std::pair(5, 6);
        SetSettingsFolderForTests(folder.file("")), BlockSizeSettings(SETTINGS_ACTION_GET);
        const bool next = Block() == (place == Nowhere ? std::pair(width, 3) : std::pair(5, 6));
        return read && kept && next ? 0 : 1;
    };
    EXPECT_EQ(unprivileged ? RunUnprivileged(run) : run(), 0) << "misread, or not kept";
    fs::permissions(folder.path(), fs::perms(0755)), SetUserBase(NO_USER_BASE);
    const auto saved = [](const std::string& was) { // what a save makes of a file
        return was.empty()
                   ? "[Multiple]\r\nancho= 5\r\nalto= 6\r\n"
                   : std::regex_replace(was, std::regex("ancho= .\n"), "ancho= 5\nalto= 6\n");
    };
    if (place == Beside)
        EXPECT_EQ(FileText(file), saved(text));
    else
        EXPECT_EQ(Snapshot(folder.path()), before);
    EXPECT_EQ(FileText(copy), place == UserCopy ? saved(userCopy.empty() ? text : userCopy) : "");
}

const std::string SMALL = "[Multiple]\nancho= 9\n[Otra]\nalto=1\n";
// The limit cuts the line of "alto" after "alto= 1234": a line cut short is not read.
const std::string OVERLONG = "[Multiple]\nancho= 7\n;" +
                             std::string(SETTINGS_FILE_SIZE_LIMIT - 32, ' ') +
                             "\nalto= 1234567890\n" + std::string(3 << 20, 'x');
// clang-format off
const SettingsPlace PLACES[] = {
    {"writableFileInReadOnlyFolder", SMALL, 0666, 0555, true, 9, "", Beside},
    {"readOnlyFile", SMALL, 0444, 0777, true, 9, "", UserCopy},
    {"userCopyFirst", SMALL, 0444, 0555, true, 7, "[Multiple]\nancho= 7\n", UserCopy},
    {"noUserFolder", SMALL, 0444, 0555, true, 9, "", Nowhere},
    {"folderInItsPlace", "<folder>", 0, 0755, false, 3, "", Nowhere},
#ifndef _WIN32
    // Windows has no write-only file (the attribute makes one read-only, no
    // more) nor a pipe to place here, and a folder's read-only attribute
    // refuses no new file in it; its access lists are beyond these tests.
    {"noFileInReadOnlyFolder", "", 0, 0555, true, 3, "", UserCopy},
    {"unreadableFile", SMALL, 0222, 0777, true, 3, "", Nowhere},
    {"pipeInItsPlace", "<pipe>", 0, 0755, false, 3, "", Nowhere},
#endif
    {"overOneMebibyte", OVERLONG, 0644, 0755, false, 7, "", Nowhere}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Places, SettingsPlaces, testing::ValuesIn(PLACES),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

} // namespace
