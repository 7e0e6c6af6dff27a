#pragma once
// What the tests of the settings file share: a folder of their own for the
// settings file, and the file's bytes.

#include "canvas/EditingState.h"
#include "settings/SettingsPath.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::string ReadBytes(const std::string& utf8Path) {
    std::ifstream in(std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end())),
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<unsigned char> Bytes(const std::string& text) {
    return std::vector<unsigned char>(text.begin(), text.end());
}

// The names in a folder, sorted.
inline std::vector<std::string> Listing(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetEditingState();
        SetSettingsFolderForTests(Utf8Folder());
    }
    void TearDown() override {
        SetSettingsFolderForTests("");
        ResetEditingState();
    }
    std::string Utf8Folder() const {
        const std::u8string text = folder.path().u8string();
        return std::string(text.begin(), text.end());
    }
    std::string SettingsFile() const { return folder.file("Configuracion.ini"); }
    void WriteSettings(const std::string& text) const {
        folder.write("Configuracion.ini", Bytes(text));
    }
    void SetBlock(std::int16_t width, std::int16_t height) {
        Editing().BlockWidth = width;
        Editing().BlockHeight = height;
    }

    TempFolder folder;
};
