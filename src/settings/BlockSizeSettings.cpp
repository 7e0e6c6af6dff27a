#include "settings/BlockSizeSettings.h"

#include "canvas/EditingState.h"
#include "files/Folders.h"
#include "settings/IniFile.h"
#include "settings/ReadNumber.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsPath.h"

#include <cstdlib>

namespace {

std::int16_t ReadDimension(const SettingsLocation& place, const char* key) {
    std::string text = place.file.empty() ? std::string(SETTINGS_DEFAULT_VALUE)
                                          : ReadIniString(place.file, SETTINGS_SECTION, key,
                                                          SETTINGS_DEFAULT_VALUE, place.startFrom);
    if (text.size() > SETTINGS_VALUE_MAX_LENGTH) text.resize(SETTINGS_VALUE_MAX_LENGTH);
    return ReadNumber(text);
}

// A sign character (a blank for 0 or more) and the digits: 3 is " 3".
std::string WrittenForm(std::int16_t value) {
    return (value < 0 ? "-" : " ") + std::to_string(std::abs(int(value)));
}

} // namespace

void BlockSizeSettings(const std::string& action) {
    EditingState& editing = Editing();
    if (action == SETTINGS_ACTION_GET) {
        const SettingsLocation& place = SettingsLocationOfThisRun();
        editing.BlockWidth = ReadDimension(place, SETTINGS_KEY_WIDTH);
        editing.BlockHeight = ReadDimension(place, SETTINGS_KEY_HEIGHT);
    } else if (action == SETTINGS_ACTION_SAVE) {
        const SettingsLocation& place = SettingsLocationOfThisRun();
        if (place.file.empty()) return;
        // The user's configuration folder may not be there before the first save.
        MakeFoldersOf(place.file);
        WriteIniValues(place.file, SETTINGS_SECTION,
                       {{SETTINGS_KEY_WIDTH, WrittenForm(editing.BlockWidth)},
                        {SETTINGS_KEY_HEIGHT, WrittenForm(editing.BlockHeight)}},
                       place.startFrom);
    }
}
