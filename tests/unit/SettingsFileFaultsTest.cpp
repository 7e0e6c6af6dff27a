// Settings files that are not what the program wrote, and folders it may not
// write: the block size falls back to 3 x 3, nothing crashes, and nothing the
// user had is lost.

#include "settings/BlockSizeSettings.h"
#include "settings/SettingsFile.h"

#include "../support/ChildProcess.h"
#include "SettingsTestSupport.h"

#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

using SettingsFileFaults = SettingsFileTest;

std::string Garbage(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(random() & 0xFF);
    return bytes;
}

TEST_F(SettingsFileFaults, BinaryGarbageGivesDefaultsAndSurvivesASave) {
    const std::string garbage = Garbage(64 * 1024, 7) + "\0\0\0"s;
    WriteSettings(garbage);
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 3);
    EXPECT_EQ(Editing().BlockHeight, 3);

    SetBlock(5, 6);
    BlockSizeSettings("save");
    const std::string after = ReadBytes(SettingsFile());
    EXPECT_EQ(after.substr(0, garbage.size()), garbage);
    SetBlock(0, 0);
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 5);
    EXPECT_EQ(Editing().BlockHeight, 6);
}

TEST_F(SettingsFileFaults, SeveralMegabytesOfGarbageGiveDefaultsAndAreNotRewritten) {
    const std::string garbage = Garbage(5 * 1024 * 1024, 11);
    WriteSettings(garbage);
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 3);
    EXPECT_EQ(Editing().BlockHeight, 3);
    SetBlock(5, 6);
    BlockSizeSettings("save");
    EXPECT_TRUE(ReadBytes(SettingsFile()) == garbage)
        << "a file too long to read whole was rewritten";
}

TEST_F(SettingsFileFaults, OfAnOverlongFileOnlyWholeLinesWithinTheLimitAreRead) {
    // "ancho" lies within the limit; the limit cuts the line of "alto" after
    // "alto= 1234", which must not be read as a value.
    const std::string filler(SETTINGS_FILE_SIZE_LIMIT - 32, ' ');
    WriteSettings("[Multiple]\nancho= 7\n;" + filler + "\nalto= 1234567890\n" +
                  std::string(3 * 1024 * 1024, 'x'));
    const std::string start = ReadBytes(SettingsFile());
    ASSERT_EQ(start.find("alto"), SETTINGS_FILE_SIZE_LIMIT - 10);
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 7);
    EXPECT_EQ(Editing().BlockHeight, 3);
}

TEST_F(SettingsFileFaults, VeryLongLinesAreReadWithoutHarm) {
    WriteSettings("[Multiple]\nancho= 5" + std::string(400 * 1024, ' ') + "\n" +
                  std::string(300 * 1024, '[') + "\nalto=" + std::string(200 * 1024, '1') + "\n");
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 5);
    EXPECT_EQ(Editing().BlockHeight, 3) << "the line of brackets opens a section of its own";
}

TEST_F(SettingsFileFaults, AFolderOrAPipeInPlaceOfTheFileGivesDefaults) {
    std::filesystem::create_directory(folder.path() / "Configuracion.ini");
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 3);
    SetBlock(5, 5);
    BlockSizeSettings("save");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "Configuracion.ini"));

    std::filesystem::remove(folder.path() / "Configuracion.ini");
    ASSERT_EQ(::mkfifo(SettingsFile().c_str(), 0600), 0);
    SetBlock(0, 0);
    BlockSizeSettings("get"); // must not wait for a writer
    EXPECT_EQ(Editing().BlockWidth, 3);
    BlockSizeSettings("save");
    EXPECT_TRUE(std::filesystem::is_fifo(folder.path() / "Configuracion.ini"));
}

// The child saves 7 x 8 and reports whether the values in memory stayed.
int SaveInChild() {
    Editing().BlockWidth = 7;
    Editing().BlockHeight = 8;
    BlockSizeSettings("save");
    return Editing().BlockWidth == 7 && Editing().BlockHeight == 8 ? 0 : 1;
}

TEST_F(SettingsFileFaults, SaveOnAFullDiskLeavesTheOldFileWhole) {
    // The child may write files of at most 100 bytes, as if the disk filled
    // up halfway through the new file.
    const std::string old =
        "[Multiple]\r\nancho= 2\r\nalto= 4\r\n[Notas]\r\ntexto=" + std::string(150, 'n') + "\r\n";
    WriteSettings(old);
    const int result = RunInChild([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit smallFiles{100, 100};
        if (::setrlimit(RLIMIT_FSIZE, &smallFiles) != 0) return 3;
        return SaveInChild();
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadBytes(SettingsFile()), old);
    EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{"Configuracion.ini"});
}

TEST_F(SettingsFileFaults, SaveInAnUnwritableFolderChangesNothing) {
    const std::string old = "[Multiple]\r\nancho= 2\r\nalto= 4\r\n; mio\r\n";
    WriteSettings(old);
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    const int result = RunUnprivileged(SaveInChild);
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadBytes(SettingsFile()), old);
    EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{"Configuracion.ini"});
}

TEST_F(SettingsFileFaults, SaveWithNoFileInAnUnwritableFolderCreatesNothing) {
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    const int result = RunUnprivileged(SaveInChild);
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(Listing(folder.path()).empty());
}

TEST_F(SettingsFileFaults, SaveLeavesAReadOnlyFileAsItIs) {
    // The folder is writable, so only respect for the file's own permission
    // keeps the replacement from going through.
    const std::string old = "[Multiple]\nancho=9\n";
    WriteSettings(old);
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0777));
    std::filesystem::permissions(folder.path() / "Configuracion.ini", std::filesystem::perms(0444));
    EXPECT_EQ(RunUnprivileged(SaveInChild), 0);
    EXPECT_EQ(ReadBytes(SettingsFile()), old);
    EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{"Configuracion.ini"});
}

TEST_F(SettingsFileFaults, AnUnreadableFileGivesDefaultsAndIsNeverReplaced) {
    const std::string old = "[Multiple]\nancho=9\n[Otra]\nclave=valor\n";
    WriteSettings(old);
    const auto path = folder.path() / "Configuracion.ini";
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0777));
    // Writable but not readable by the child: rewriting it would lose [Otra].
    if (RunningAsRoot()) {
        ASSERT_EQ(::chown(SettingsFile().c_str(), UNPRIVILEGED_ID, 0), 0);
    }
    std::filesystem::permissions(path, std::filesystem::perms(0200));
    const int result = RunUnprivileged([] {
        Editing().BlockWidth = 0;
        BlockSizeSettings("get");
        if (Editing().BlockWidth != 3 || Editing().BlockHeight != 3) return 2;
        return SaveInChild();
    });
    std::filesystem::permissions(path, std::filesystem::perms(0644));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadBytes(SettingsFile()), old);
    EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{"Configuracion.ini"});
}

} // namespace
