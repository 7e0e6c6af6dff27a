#pragma once
// Reading a small file whole, with a cap on how much of it is read.

#include <cstddef>
#include <string>

enum class FileReadStatus {
    Complete,   // bytes holds the whole file
    Truncated,  // the file is longer than the limit; bytes holds its first part
    Missing,    // there is no file at the path
    Unreadable, // something is there but cannot be read as a file (no permission, a folder, a pipe)
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
};

// Never blocks on a pipe or device: only regular files (or links to them) are opened.
FileReadResult ReadFileBounded(const std::string& utf8Path, std::size_t limit);
