#include "settings/SettingsLocation.h"

#include "files/Folders.h"
#include "files/Utf8Path.h"

namespace {

std::string Joined(const std::string& utf8Folder, const std::string& utf8Name) {
    return Utf8FromPath(PathFromUtf8(utf8Folder) / PathFromUtf8(utf8Name));
}

} // namespace

SettingsLocation ChooseSettingsLocation(const std::string& utf8Folder,
                                        const std::string& utf8FileName) {
    const std::string beside = Joined(utf8Folder, utf8FileName);
    const PathState state = StateOfPath(beside);
    if (state == PathState::WritableFile ||
        (state == PathState::Nothing && StateOfPath(utf8Folder) == PathState::WritableFolder)) {
        return {beside, {}};
    }
    const std::string userFolder =
        UserSettingsFolder(SETTINGS_ORGANISATION_NAME, SETTINGS_APPLICATION_NAME);
    if (userFolder.empty()) return {beside, {}};
    return {Joined(userFolder, utf8FileName), beside};
}
