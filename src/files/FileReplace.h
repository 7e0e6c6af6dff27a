#pragma once
// Replacing a file's whole content, so that a failed replacement leaves the
// old content whole. The writes of the image and of the settings file go
// through here. Each system has its own FileReplace*.cpp.

#include <cstddef>
#include <cstdint>
#include <string>

struct FileReplaceResult {
    bool written = false;
    std::string reason; // the system's reason (UTF-8) when not written
};

// Gives the file named `utf8Path` exactly the given bytes. A symbolic link is
// followed to the file it names. The bytes go to a temporary file in that
// file's folder, which is flushed to disk and renamed over the file, keeping
// an existing file's permissions; the name then stands for a new file, so
// other hard links to the old one keep the old content. When no temporary file
// can be made there but the existing file is writable, the file is rewritten
// in place and, should that fail, given back its old content. On failure the
// temporary file is removed and the old file keeps its content. A file that
// exists but may not be written is refused, as is a folder. A device or a
// pipe is simply written on POSIX; Windows refuses it, and a link to nothing,
// having no way to write a pipe or a port without waiting on it.
FileReplaceResult ReplaceFileContents(const std::string& utf8Path, const std::uint8_t* bytes,
                                      std::size_t size);
