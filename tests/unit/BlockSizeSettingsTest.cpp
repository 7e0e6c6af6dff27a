#include "settings/BlockSizeSettings.h"

#include "SettingsTestSupport.h"

#include <random>

namespace {

using namespace std::string_literals;

using BlockSizeFile = SettingsFileTest;

TEST_F(BlockSizeFile, NoFileGivesThreeByThreeAndCreatesNothing) {
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 3);
    EXPECT_EQ(Editing().BlockHeight, 3);
    EXPECT_TRUE(Listing(folder.path()).empty());
}

TEST_F(BlockSizeFile, FirstSaveCreatesTheFileWithTheSectionAndBothKeys) {
    SetBlock(3, 3);
    BlockSizeSettings("save");
    EXPECT_EQ(ReadBytes(SettingsFile()), "[Multiple]\r\nancho= 3\r\nalto= 3\r\n");
    EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{"Configuracion.ini"});
}

TEST_F(BlockSizeFile, WrittenFormIsASignCharacterThenTheDigits) {
    SetBlock(-5, 0);
    BlockSizeSettings("save");
    EXPECT_EQ(ReadBytes(SettingsFile()), "[Multiple]\r\nancho=-5\r\nalto= 0\r\n");
    SetBlock(32767, -32768);
    BlockSizeSettings("save");
    EXPECT_EQ(ReadBytes(SettingsFile()), "[Multiple]\r\nancho= 32767\r\nalto=-32768\r\n");
}

TEST_F(BlockSizeFile, WhatIsSavedReadsBackUnchanged) {
    for (std::int16_t value : {0, 1, 2, 7, 12, 499, 32767, -1, -5, -32768}) {
        SetBlock(value, std::int16_t(value == 7 ? 4 : 7));
        BlockSizeSettings("save");
        SetBlock(99, 99);
        BlockSizeSettings("get");
        EXPECT_EQ(Editing().BlockWidth, value) << "saved " << value;
        EXPECT_EQ(Editing().BlockHeight, value == 7 ? 4 : 7) << "saved " << value;
    }
}

TEST_F(BlockSizeFile, MissingKeyGivesThreeForThatValueOnly) {
    WriteSettings("[Multiple]\nalto=7\n");
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 3);
    EXPECT_EQ(Editing().BlockHeight, 7);
}

TEST_F(BlockSizeFile, EmptyValueGivesZeroNotTheDefault) {
    WriteSettings("[Multiple]\nancho=\nalto=   \n");
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 0);
    EXPECT_EQ(Editing().BlockHeight, 0);
}

TEST_F(BlockSizeFile, ValuesAreKeptAsReadWithoutARangeCheck) {
    WriteSettings("[multiple]\r\nANCHO = -5\r\nAlto=40000\r\n");
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, -5);
    EXPECT_EQ(Editing().BlockHeight, -32768);
}

TEST_F(BlockSizeFile, ReadsAtMost259CharactersOfAValue) {
    WriteSettings("[Multiple]\nancho=" + std::string(258, '0') +
                  "12\nalto=" + std::string(257, '0') + "12\n");
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 1);
    EXPECT_EQ(Editing().BlockHeight, 12);
}

TEST_F(BlockSizeFile, SaveKeepsOtherSectionsKeysAndCommentsByteForByte) {
    const std::string head = "; ajustes a mano\r\n\r\n[Ventana]\nx = 10\r\n[Multiple]\r\n";
    const std::string tail = "color=rojo\n\n# fin\r\n[Otra]\r\nancho=50";
    WriteSettings(head + "ancho= 9\r\n" + tail);
    SetBlock(2, 4);
    BlockSizeSettings("save");
    // The missing key goes after the section's last non-blank line, ending
    // like the file's first line.
    EXPECT_EQ(ReadBytes(SettingsFile()),
              head + "ancho= 2\r\ncolor=rojo\n\n# fin\r\nalto= 4\r\n" + "[Otra]\r\nancho=50");
}

TEST_F(BlockSizeFile, ActionWordsAreExact) {
    WriteSettings("[Multiple]\nancho=5\nalto=6\n");
    SetBlock(8, 9);
    for (const char* action : {"Get", "GET", "Save", "SAVE", "get ", " save", "", "load"}) {
        BlockSizeSettings(action);
        EXPECT_EQ(Editing().BlockWidth, 8) << action;
        EXPECT_EQ(Editing().BlockHeight, 9) << action;
        EXPECT_EQ(ReadBytes(SettingsFile()), "[Multiple]\nancho=5\nalto=6\n") << action;
    }
    BlockSizeSettings("get"s);
    EXPECT_EQ(Editing().BlockWidth, 5);
}

TEST_F(BlockSizeFile, FileInAFolderWithAccentsAndSpaces) {
    const std::filesystem::path accented = folder.path() / u8"Configuración del señor  ñú";
    std::filesystem::create_directory(accented);
    const std::u8string name = accented.u8string();
    SetSettingsFolderForTests(std::string(name.begin(), name.end()));
    SetBlock(6, 11);
    BlockSizeSettings("save");
    SetBlock(0, 0);
    BlockSizeSettings("get");
    EXPECT_EQ(Editing().BlockWidth, 6);
    EXPECT_EQ(Editing().BlockHeight, 11);
    EXPECT_TRUE(std::filesystem::exists(accented / "Configuracion.ini"));
}

TEST_F(BlockSizeFile, ExecutableInTheRootFolderKeepsTheFileThere) {
    SetSettingsFolderForTests("/");
    EXPECT_EQ(SettingsFilePath(), "/Configuracion.ini");
}

TEST_F(BlockSizeFile, SaveKeepsTheFilesPermissions) {
    WriteSettings("[Multiple]\nancho=5\n");
    const auto path = folder.path() / "Configuracion.ini";
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    SetBlock(2, 2);
    BlockSizeSettings("save");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(Listing(folder.path()), std::vector<std::string>{"Configuracion.ini"});
}

TEST_F(BlockSizeFile, SaveThroughALinkReplacesTheFileItNamesAndKeepsTheLink) {
    TempFolder elsewhere;
    const std::string target = elsewhere.write("real.ini", Bytes("[Multiple]\nancho=5\n"));
    std::filesystem::create_symlink(std::filesystem::path(target),
                                    folder.path() / "Configuracion.ini");
    SetBlock(4, 8);
    BlockSizeSettings("save");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "Configuracion.ini"));
    EXPECT_EQ(ReadBytes(target), "[Multiple]\nancho= 4\nalto= 8\n");
}

} // namespace
