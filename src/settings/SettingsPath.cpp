#include "settings/SettingsPath.h"

#include "files/Utf8Path.h"
#include "settings/SettingsFile.h"
#include "ui/ExecutableFolder.h"

namespace {
std::string folderForTests;
}

std::string SettingsFilePath() {
    const std::string folder = folderForTests.empty() ? ExecutableFolder() : folderForTests;
    if (folder.empty()) return {};
    return Utf8FromPath(PathFromUtf8(folder) / SETTINGS_FILE_NAME);
}

void SetSettingsFolderForTests(const std::string& utf8Folder) {
    folderForTests = utf8Folder;
}
