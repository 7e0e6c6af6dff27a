#include "settings/SettingsPath.h"

#include "settings/SettingsFile.h"
#include "files/Folders.h"

#include <optional>

namespace {
std::string folderForTests;
std::optional<SettingsLocation> chosen;
} // namespace

const SettingsLocation& SettingsLocationOfThisRun() {
    if (!chosen) {
        const std::string folder = folderForTests.empty() ? ExecutableFolder() : folderForTests;
        chosen = folder.empty() ? SettingsLocation{}
                                : ChooseSettingsLocation(folder, SETTINGS_FILE_NAME);
    }
    return *chosen;
}

void SetSettingsFolderForTests(const std::string& utf8Folder) {
    folderForTests = utf8Folder;
    chosen.reset();
}
