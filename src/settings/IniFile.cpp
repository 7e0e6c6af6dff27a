#include "settings/IniFile.h"

#include "files/FileRead.h"
#include "files/FileReplace.h"
#include "files/Utf8Path.h"
#include "settings/IniText.h"
#include "settings/SettingsFile.h"

namespace {

std::string TextOf(const FileReadResult& file) {
    return std::string(file.bytes.begin(), file.bytes.end());
}

} // namespace

std::string ReadIniString(const std::string& utf8Path, std::string_view section,
                          std::string_view key, std::string_view defaultValue) {
    const FileReadResult file = ReadFileBounded(utf8Path, SETTINGS_FILE_SIZE_LIMIT);
    std::string text = TextOf(file);
    if (file.status == FileReadStatus::Truncated) {
        // The cut may fall inside a line; a half line could read as a wrong value.
        const std::size_t lastFeed = text.rfind('\n');
        text.resize(lastFeed == std::string::npos ? 0 : lastFeed + 1);
    } else if (file.status != FileReadStatus::Complete) {
        return std::string(defaultValue);
    }
    return FindIniValue(text, section, key).value_or(std::string(defaultValue));
}

bool WriteIniValues(const std::string& utf8Path, std::string_view section,
                    const std::vector<IniEntry>& entries) {
    const FileReadResult file = ReadFileBounded(utf8Path, SETTINGS_FILE_SIZE_LIMIT);
    if (file.status != FileReadStatus::Complete && file.status != FileReadStatus::Missing) {
        return false;
    }
    std::string text = TextOf(file);
    for (const IniEntry& entry : entries)
        text = SetIniValue(text, section, entry.key, entry.value);
    // Never rewritten in place: a settings file is whole, old or new, even
    // when the editor stops half-way.
    return ReplaceFileContents(PathFromUtf8(utf8Path),
                               reinterpret_cast<const std::uint8_t*>(text.data()), text.size(),
                               NoTemporaryFile::Fail)
        .written;
}
