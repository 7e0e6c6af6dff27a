// The one read of a file, under a name with an accent: what it gives for each
// kind of thing a name can stand for. It never waits: a pipe or a device under
// a bitmap's name is refused at once. The whole-file replacement: what the
// name holds afterwards, with no temporary file left behind.

#include "files/FileRead.h"
#include "files/FileReplace.h"
#include "files/Utf8Path.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>

namespace {

using namespace std::chrono_literals;
using enum FileReadStatus;
using enum LongerFile;

// The name for what `there` says: "@NAME" is NAME itself in the folder, or
// as it is when it starts with a backslash; "" nothing at "entrada ñ.bmp";
// anything else is put there (see TempFolder::place).
std::string NameFor(const TempFolder& folder, const std::string& there) {
    if (there.starts_with("@\\")) return there.substr(1);
    if (there.starts_with("@")) return folder.file(there.substr(1));
    return there.empty() ? folder.file("entrada ñ.bmp") : folder.place("entrada ñ.bmp", there);
}

// What stands at the name, what to read of a file longer than 3 bytes, and
// what a read of at most 3 gives.
using ReadCase = std::tuple<const char*, const char*, LongerFile, FileReadStatus, const char*>;
class FileReads : public testing::TestWithParam<ReadCase> {};

TEST_P(FileReads, GiveTheFileOrSayWhatStandsThere) {
    const auto& [name, there, longer, status, bytes] = GetParam();
    TempFolder folder;
    folder.place("datos", "abc");
    const std::string path = NameFor(folder, there);
    auto read = std::async(std::launch::async,
                           [&, longer = longer] { return ReadFileBounded(path, 3, longer); });
    // Should the read wait on a pipe or a device, the test program ends.
    if (read.wait_for(10s) != std::future_status::ready) std::_Exit(1);
    const FileReadResult got = read.get();
    EXPECT_EQ(std::tuple(got.status, std::string(got.bytes.begin(), got.bytes.end())),
              std::tuple(status, bytes));
}
// clang-format off
const ReadCase READS[] = {
    {"wholeFile", "abc", ReadFirstPart, Complete, "abc"},
    {"firstPartOfALongerFile", "abcd", ReadFirstPart, Truncated, "abc"},
    {"nothingOfALongerFile", "abcd", ReadNothing, Truncated, ""},
    {"nothingThere", "", ReadFirstPart, Missing, ""},
    {"underAFile", "@datos/x.bmp", ReadFirstPart, Missing, ""},
    {"folder", "<folder>", ReadFirstPart, NotAFile, ""},
    // Names like a device's that are not one.
    {"com10", "@COM10", ReadFirstPart, Missing, ""},
    {"consoleBmp", "@console.bmp", ReadFirstPart, Missing, ""},
#ifdef _WIN32
    // The system's devices, in any folder and case, with any extension.
    {"nul", "@NUL", ReadFirstPart, NotAFile, ""},
    {"conWithExtension", "@con.bmp", ReadFirstPart, NotAFile, ""},
    {"conWithSpacesAndDots", "@con .bmp. .", ReadFirstPart, NotAFile, ""},
    {"conWithColon", "@CON:", ReadFirstPart, NotAFile, ""},
    {"lpt9", "@lpt9.txt", ReadFirstPart, NotAFile, ""},
    {"conin", "@CONIN$", ReadFirstPart, NotAFile, ""},
    {"pipe", "@\\\\.\\pipe\\velmora", ReadFirstPart, NotAFile, ""},
    {"globalRoot", "@\\\\?\\GLOBALROOT\\Device\\NamedPipe\\velmora", ReadFirstPart, NotAFile, ""},
#else
    {"linkToAFile", "->datos", ReadNothing, Complete, "abc"},
    {"pipe", "<pipe>", ReadFirstPart, NotAFile, ""},
    {"linkToADevice", "->/dev/zero", ReadFirstPart, NotAFile, ""},
    {"linkToNothing", "->nada", ReadFirstPart, NotAFile, ""},
#endif
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Names, FileReads, testing::ValuesIn(READS),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

// What stands at the name, whether giving it the content "new" succeeds,
// and what a read of it then gives ("<not a file>" for anything but a file).
using ReplaceCase = std::tuple<const char*, std::string, bool, const char*>;
class Replacing : public testing::TestWithParam<ReplaceCase> {};

TEST_P(Replacing, GivesTheWholeContentOrKeepsTheOldAndNoTemporaryFile) {
    const auto& [name, there, written, after] = GetParam();
    TempFolder folder;
    folder.place("datos", "abc");
    const std::string path = NameFor(folder, there);
    // A viewer holding the file open, without letting it be deleted or renamed.
    std::ifstream holder;
    if (std::string(name) == "heldOpen") holder.open(PathFromUtf8(path));
    const auto start = std::chrono::steady_clock::now();
    const FileReplaceResult got =
        ReplaceFileContents(path, reinterpret_cast<const std::uint8_t*>("new"), 3);
    const auto waited = std::chrono::steady_clock::now() - start;
    // It waits a little for the holder to let go, but not long.
    EXPECT_TRUE(!holder.is_open() || (waited > 150ms && waited < 5s));
    holder.close();
    const FileReadResult read = ReadFileBounded(path, 100);
    EXPECT_EQ(std::tuple(got.written, got.reason.empty(),
                         read.status == NotAFile
                             ? "<not a file>"
                             : std::string(read.bytes.begin(), read.bytes.end())),
              std::tuple(written, written, after))
        << got.reason;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_FALSE(entry.path().filename().u8string().starts_with(u8".saving-"));
}
// clang-format off
const ReplaceCase REPLACES[] = {
    {"newFile", "", true, "new"},
    {"longerFile", "the old content", true, "new"},
    {"longName", "@" + std::string(240, 'n') + ".bmp", true, "new"},
    {"underAFile", "@datos/x.bmp", false, ""},
    {"folder", "<folder>", false, "<not a file>"},
#ifdef _WIN32
    {"readOnlyFile", "<read-only>old", false, "old"},
    {"heldOpen", "old", false, "old"},
    {"device", "@nul.bmp", false, "<not a file>"},
#endif
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Names, Replacing, testing::ValuesIn(REPLACES),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

} // namespace
