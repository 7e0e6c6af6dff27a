// The one read of a file, under a name with an accent: what it gives for each
// kind of thing a name can stand for. It never waits: a pipe or a device under
// a bitmap's name is refused at once.

#include "files/FileRead.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using enum FileReadStatus;
using enum LongerFile;

// What stands at the name (see TempFolder::place; "" for nothing), what to
// read of a file longer than 3 bytes, and what a read of at most 3 gives.
using ReadCase = std::tuple<const char*, const char*, LongerFile, FileReadStatus, const char*>;
class FileReads : public testing::TestWithParam<ReadCase> {};

TEST_P(FileReads, GiveTheFileOrSayWhatStandsThere) {
    const auto& [name, there, longer, status, bytes] = GetParam();
    TempFolder folder;
    folder.place("datos", "abc");
    const std::string path =
        *there ? folder.place("entrada ñ.bmp", there) : folder.file("entrada ñ.bmp");
    ::alarm(10); // should the read wait on a pipe or a device, the test program ends
    const FileReadResult got = ReadFileBounded(path, 3, longer);
    ::alarm(0);
    EXPECT_EQ(std::tuple(got.status, std::string(got.bytes.begin(), got.bytes.end())),
              std::tuple(status, bytes));
}
// clang-format off
const ReadCase READS[] = {
    {"wholeFile", "abc", ReadFirstPart, Complete, "abc"},
    {"firstPartOfALongerFile", "abcd", ReadFirstPart, Truncated, "abc"},
    {"nothingOfALongerFile", "abcd", ReadNothing, Truncated, ""},
    {"linkToAFile", "->datos", ReadNothing, Complete, "abc"},
    {"nothingThere", "", ReadFirstPart, Missing, ""},
    {"folder", "<folder>", ReadFirstPart, NotAFile, ""},
    {"pipe", "<pipe>", ReadFirstPart, NotAFile, ""},
    {"linkToADevice", "->/dev/zero", ReadFirstPart, NotAFile, ""},
    {"linkToNothing", "->nada", ReadFirstPart, NotAFile, ""}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Names, FileReads, testing::ValuesIn(READS),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

} // namespace
