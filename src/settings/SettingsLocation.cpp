#include "settings/SettingsLocation.h"

#include "files/Folders.h"

SettingsLocation ChooseSettingsLocation(const std::string& utf8Folder,
                                        const std::string& utf8FileName) {
    const std::string beside = PathInFolder(utf8Folder, utf8FileName);
    const PathState state = StateOfPath(beside);
    if (state == PathState::WritableFile ||
        (state == PathState::Nothing && StateOfPath(utf8Folder) == PathState::WritableFolder)) {
        return {beside, {}};
    }
    const std::string userFolder =
        UserSettingsFolder(SETTINGS_ORGANISATION_NAME, SETTINGS_APPLICATION_NAME);
    if (userFolder.empty()) return {beside, {}};
    return {PathInFolder(userFolder, utf8FileName), beside};
}
