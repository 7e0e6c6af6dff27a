// Where the program finds itself and the user's settings folder, and what a
// name stands for when the place of the settings is chosen, with no trace of
// the asking left behind.

#include "files/Folders.h"
#include "files/Utf8Path.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace {

namespace fs = std::filesystem;
using enum PathState;

TEST(Folders, TheExecutablesHoldsThisProgram) {
    const fs::path folder = PathFromUtf8(ExecutableFolder());
    ASSERT_TRUE(folder.is_absolute()) << folder;
    EXPECT_TRUE(fs::exists(folder / "unit_files") || fs::exists(folder / "unit_files.exe"));
}

TEST(Folders, TheUsersSettingsFolderIsTheProgramsOwn) {
    const fs::path folder = PathFromUtf8(UserSettingsFolder("Velmora", "Editor Bitmap ñ"));
    EXPECT_TRUE(folder.is_absolute()) << folder;
    EXPECT_EQ(Utf8FromPath(folder.filename()), "Editor Bitmap ñ");
    EXPECT_EQ(Utf8FromPath(folder.parent_path().filename()), "Velmora");
}

// What stands at "entrada ñ.bmp" (see TempFolder::place; "" nothing), or
// "@NAME" for NAME in the folder, and the state of that name.
using StateCase = std::tuple<const char*, const char*, PathState>;
class PathStates : public testing::TestWithParam<StateCase> {};

TEST_P(PathStates, SayWhetherAFileOrFolderMayBeWritten) {
    const auto& [name, there, state] = GetParam();
    TempFolder folder;
    folder.place("datos", "abc");
    const std::string path = *there == '@' ? folder.file(there + 1)
                             : *there      ? folder.place("entrada ñ.bmp", there)
                                           : folder.file("entrada ñ.bmp");
    const auto entries = [&folder] {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path()))
            names.insert(Utf8FromPath(entry.path()));
        return names;
    };
    const auto before = entries();
    EXPECT_EQ(StateOfPath(path), state);
    EXPECT_EQ(entries(), before); // a folder's probe leaves nothing
}
// clang-format off
const StateCase STATES[] = {
    {"nothing", "", Nothing},
    {"underAFile", "@datos/x.ini", Nothing},
    {"file", "abc", WritableFile},
    {"folder", "<folder>", WritableFolder},
#ifdef _WIN32
    {"readOnlyFile", "<read-only>abc", OtherFile},
    {"device", "@NUL", Other},
    {"consoleWithExtension", "@con.ini", Other},
#else
    {"pipe", "<pipe>", Other},
    {"linkToNothing", "->nada", Other},
#endif
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Names, PathStates, testing::ValuesIn(STATES),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

} // namespace
