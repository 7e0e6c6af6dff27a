// The settings file on any bytes, 8-bit or UTF-16LE after its mark: leading
// blanks never change a number; a value written reads back, in a file that
// keeps its encoding and, in UTF-16, its odd last byte; a file's whole lines
// are whole units and end with a line feed; UTF-8 goes to UTF-16 and back
// unchanged when well-formed, and anything once there comes back the same.

#include "settings/IniBytes.h"
#include "settings/ReadNumber.h"
#include "settings/SettingsFile.h"
#include "settings/Utf16.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const bool utf16 = text.starts_with("\xFF\xFE");
    const std::string_view whole = WholeIniLines(text), feed("\n\0", 1 + utf16);
    const auto written = SetIniValueInBytes(text, SETTINGS_SECTION, SETTINGS_KEY_WIDTH, " 17");
    const std::u16string units = Utf16FromUtf8(text);
    const std::string utf8 = Utf8FromUtf16(units);
    if (ReadNumber(text) != ReadNumber(" \t" + text) ||
        FindIniValueInBytes(written, SETTINGS_SECTION, SETTINGS_KEY_WIDTH) != "17" ||
        written.starts_with("\xFF\xFE") != utf16 ||
        (utf16 && size % 2 && written.back() != text.back()) || whole.size() % feed.size() ||
        (whole.size() > 2u * utf16 && !whole.ends_with(feed)) ||
        (utf8 != text && units.find(u'\uFFFD') == units.npos) || Utf16FromUtf8(utf8) != units)
        __builtin_trap();
    return 0;
}
