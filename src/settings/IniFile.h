#pragma once
// Profile strings: values of an initialisation file on disk (format in
// IniText.h, encodings in IniBytes.h). At most SETTINGS_FILE_SIZE_LIMIT bytes
// of a file are read.

#include <string>
#include <string_view>
#include <vector>

// The value of key in section of the file, or defaultValue when the file,
// the section or the key is missing, or the file cannot be read. A file
// longer than the limit is read up to its last whole line within it. While
// nothing is at utf8Path, the file at utf8StartFrom, when given, is read in
// its stead.
std::string ReadIniString(const std::string& utf8Path, std::string_view section,
                          std::string_view key, std::string_view defaultValue,
                          const std::string& utf8StartFrom = {});

struct IniEntry {
    std::string key;
    std::string value; // one line of text, without line breaks
};

// Sets every entry in section, creating the file and the section when
// missing and keeping every other line as it was, in one replacement of the
// whole file (files/FileReplace.h; in place where no temporary file can be
// made beside it). A missing file starts from what ReadIniString reads of
// utf8StartFrom, when given, and that file stays as it is. Writes nothing and
// gives false when something is at the path that cannot be read whole (an
// unreadable file, one longer than the limit, a folder, a pipe, a device, a
// link to nothing), so that nothing there is ever lost or replaced, or when
// the replacement fails.
bool WriteIniValues(const std::string& utf8Path, std::string_view section,
                    const std::vector<IniEntry>& entries, const std::string& utf8StartFrom = {});
