#include "settings/IniFile.h"

#include "files/FileRead.h"
#include "files/FileReplace.h"
#include "settings/IniBytes.h"
#include "settings/SettingsFile.h"

#include <optional>

namespace {

std::string TextOf(const FileReadResult& file) {
    return std::string(file.bytes.begin(), file.bytes.end());
}

// The text of a file that can be read, up to its last whole line within the
// limit: the cut may fall inside a line, and a half line could read as a
// wrong value. Nothing for a file that cannot be read.
std::optional<std::string> ReadableText(const FileReadResult& file) {
    if (file.status == FileReadStatus::Complete) return TextOf(file);
    if (file.status != FileReadStatus::Truncated) return std::nullopt;
    return std::string(WholeIniLines(TextOf(file)));
}

FileReadResult ReadSettingsFile(const std::string& utf8Path) {
    return ReadFileBounded(utf8Path, SETTINGS_FILE_SIZE_LIMIT);
}

} // namespace

std::string ReadIniString(const std::string& utf8Path, std::string_view section,
                          std::string_view key, std::string_view defaultValue,
                          const std::string& utf8StartFrom) {
    FileReadResult file = ReadSettingsFile(utf8Path);
    if (file.status == FileReadStatus::Missing && !utf8StartFrom.empty())
        file = ReadSettingsFile(utf8StartFrom);
    const std::optional<std::string> text = ReadableText(file);
    if (!text) return std::string(defaultValue);
    return FindIniValueInBytes(*text, section, key).value_or(std::string(defaultValue));
}

bool WriteIniValues(const std::string& utf8Path, std::string_view section,
                    const std::vector<IniEntry>& entries, const std::string& utf8StartFrom) {
    const FileReadResult file = ReadSettingsFile(utf8Path);
    if (file.status != FileReadStatus::Complete && file.status != FileReadStatus::Missing) {
        return false;
    }
    std::string text = TextOf(file);
    if (file.status == FileReadStatus::Missing && !utf8StartFrom.empty())
        text = ReadableText(ReadSettingsFile(utf8StartFrom)).value_or("");
    for (const IniEntry& entry : entries)
        text = SetIniValueInBytes(text, section, entry.key, entry.value);
    // Where no temporary file can be made (a folder the user may not write),
    // the file is rewritten in place: the user's change would otherwise be
    // lost, though a stop half-way could then leave the file half-written.
    return ReplaceFileContents(utf8Path,
                               reinterpret_cast<const std::uint8_t*>(text.data()), text.size())
        .written;
}
