#pragma once
// The settings format (IniText.h) on a file's bytes, in the encoding the file
// is in. A file that starts with the bytes FF FE is UTF-16LE: its lines are
// found and edited as UTF-16 code units after that byte order mark, and it is
// written back as UTF-16LE with the mark, each unit it had kept as it was, a
// surrogate without its partner too. An odd last byte belongs to no unit: it
// is never read, and it stays the file's last byte, after any line a save
// adds. Any other file is 8-bit text, edited byte by byte: UTF-8 (a UTF-8
// byte order mark is kept and not read as part of the first line), another
// 8-bit encoding, or even UTF-16 in big-endian order (FE FF) or without a
// mark, in which no name is then found and to which a save adds 8-bit lines.
// Names and values go in and come out as UTF-8.

#include <optional>
#include <string>
#include <string_view>

// The value of key in section, or nothing when either is missing. In a
// UTF-16 file a surrogate without its partner reads as U+FFFD.
std::optional<std::string> FindIniValueInBytes(std::string_view bytes, std::string_view section,
                                               std::string_view key);

// The bytes with key in section set to value, as SetIniValue does it, in the
// file's own encoding.
std::string SetIniValueInBytes(std::string_view bytes, std::string_view section,
                               std::string_view key, std::string_view value);

// The bytes up to the end of the last line feed in them, in the file's own
// encoding: a file's first part, cut inside a line, without the half line.
std::string_view WholeIniLines(std::string_view bytes);
