#include "settings/IniFile.h"

#include "imagefile/FileReplace.h"
#include "imagefile/Utf8Path.h"
#include "settings/BoundedRead.h"
#include "settings/IniText.h"
#include "settings/SettingsFile.h"

std::string ReadIniString(const std::string& utf8Path, std::string_view section,
                          std::string_view key, std::string_view defaultValue) {
    FileReadResult file = ReadFileBounded(utf8Path, SETTINGS_FILE_SIZE_LIMIT);
    if (file.status == FileReadStatus::Truncated) {
        // The cut may fall inside a line; a half line could read as a wrong value.
        const std::size_t lastFeed = file.bytes.rfind('\n');
        file.bytes.resize(lastFeed == std::string::npos ? 0 : lastFeed + 1);
    } else if (file.status != FileReadStatus::Complete) {
        return std::string(defaultValue);
    }
    return FindIniValue(file.bytes, section, key).value_or(std::string(defaultValue));
}

bool WriteIniValues(const std::string& utf8Path, std::string_view section,
                    const std::vector<IniEntry>& entries) {
    const FileReadResult file = ReadFileBounded(utf8Path, SETTINGS_FILE_SIZE_LIMIT);
    if (file.status != FileReadStatus::Complete && file.status != FileReadStatus::Missing) {
        return false;
    }
    std::string text = file.bytes;
    for (const IniEntry& entry : entries)
        text = SetIniValue(text, section, entry.key, entry.value);
    // Never rewritten in place: a settings file is whole, old or new, even
    // when the editor stops half-way.
    return ReplaceFileContents(PathFromUtf8(utf8Path),
                               reinterpret_cast<const std::uint8_t*>(text.data()), text.size(),
                               NoTemporaryFile::Fail)
        .written;
}
