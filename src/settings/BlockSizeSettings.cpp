#include "settings/BlockSizeSettings.h"

#include "canvas/EditingState.h"
#include "settings/IniFile.h"
#include "settings/ReadNumber.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsPath.h"

#include <cstdlib>

namespace {

std::int16_t ReadDimension(const std::string& path, const char* key) {
    std::string text = path.empty()
                           ? std::string(SETTINGS_DEFAULT_VALUE)
                           : ReadIniString(path, SETTINGS_SECTION, key, SETTINGS_DEFAULT_VALUE);
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
        const std::string path = SettingsFilePath();
        editing.BlockWidth = ReadDimension(path, SETTINGS_KEY_WIDTH);
        editing.BlockHeight = ReadDimension(path, SETTINGS_KEY_HEIGHT);
    } else if (action == SETTINGS_ACTION_SAVE) {
        const std::string path = SettingsFilePath();
        if (path.empty()) return;
        WriteIniValues(path, SETTINGS_SECTION,
                       {{SETTINGS_KEY_WIDTH, WrittenForm(editing.BlockWidth)},
                        {SETTINGS_KEY_HEIGHT, WrittenForm(editing.BlockHeight)}});
    }
}
