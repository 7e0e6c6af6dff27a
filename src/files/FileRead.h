#pragma once
// The one way the program reads a file: the probe's header, the image and the
// settings file all come through here. Only a regular file, or a link to one,
// is ever opened, and never for longer than a read of it takes: a pipe, a
// device or a folder chosen by mistake is refused at once, never waited on.
// Each system has its own FileRead*.cpp.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class FileReadStatus {
    Complete,   // bytes holds the whole file
    Truncated,  // the file is longer than the limit; bytes holds its first part, if asked for
    Missing,    // there is nothing at the path
    NotAFile,   // a folder, a pipe, a device, a socket, or a link to one of those or to nothing
    Unreadable, // a regular file that cannot be opened or read (no permission, an I/O error)
};

// What to read of a file longer than the limit.
enum class LongerFile {
    ReadFirstPart, // its first `limit` bytes
    ReadNothing,   // nothing: the caller refuses it whole
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Missing;
    std::vector<std::uint8_t> bytes;
};

// Reads at most `limit` bytes of the file named by UTF-8 text. The name is
// checked before the file is opened, and what was opened is checked again,
// so a name swapped in between for a pipe or a device is refused too. The
// file is opened read-only and never created.
FileReadResult ReadFileBounded(const std::string& utf8Path, std::size_t limit,
                               LongerFile longer = LongerFile::ReadFirstPart);
