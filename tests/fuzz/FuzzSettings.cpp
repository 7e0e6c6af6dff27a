// The settings text on any bytes: leading blanks never change a number, and
// a value written reads back.

#include "settings/IniText.h"
#include "settings/ReadNumber.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string written = SetIniValue(text, SETTINGS_SECTION, SETTINGS_KEY_WIDTH, " 17");
    if (ReadNumber(text) != ReadNumber(" \t" + text) ||
        FindIniValue(written, SETTINGS_SECTION, SETTINGS_KEY_WIDTH) != "17")
        __builtin_trap();
    return 0;
}
