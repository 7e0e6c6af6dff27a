#pragma once
// The initialisation-file format, on text in memory: "[section]" lines, each
// followed by "key=value" lines. Section and key names are compared without
// regard to ASCII case; blanks around names and values do not count; a value
// in matching single or double quotes is read without them. The first line
// naming the key in any section of that name is the one that counts. Lines
// before the first section, and lines that are neither a section nor a key,
// are kept but never read. Each function comes for 8-bit text and for UTF-16
// code units alike; which a file holds is for IniBytes.h to say.

#include <optional>
#include <string>
#include <string_view>

// The value of key in section, or nothing when either is missing. A key
// present with an empty value gives empty text.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key);
std::optional<std::u16string> FindIniValue(std::u16string_view text, std::u16string_view section,
                                           std::u16string_view key);

// The text with key in section set to value (which must not hold a line
// break). The key's line is replaced where it stands; a missing key is added
// after the last non-blank line of the first section of that name; a missing
// section is added at the end. Every other line is kept byte for byte, with
// its own line ending; new lines end like the first line of the text that has
// an ending.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);
std::u16string SetIniValue(std::u16string_view text, std::u16string_view section,
                           std::u16string_view key, std::u16string_view value);
