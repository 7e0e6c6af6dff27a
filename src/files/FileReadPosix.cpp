// The POSIX side of reading a file: the checks of the name and of the open
// descriptor, and the bounded read.

#include "files/FileRead.h"

#include "files/PosixDescriptor.h"
#include "files/Utf8Path.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

FileReadResult Status(FileReadStatus status) {
    return FileReadResult{status, {}};
}

} // namespace

FileReadResult ReadFileBounded(const std::string& utf8Path, std::size_t limit, LongerFile longer) {
    const std::filesystem::path path = PathFromUtf8(utf8Path);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        // A name under something that is not a folder names nothing, as does
        // one whose folder is missing.
        if (errno != ENOENT && errno != ENOTDIR && errno != ELOOP)
            return Status(FileReadStatus::Unreadable);
        // A link to nothing, or one of a loop, is something, though not a file.
        const bool something = ::lstat(path.c_str(), &info) == 0;
        return Status(something ? FileReadStatus::NotAFile : FileReadStatus::Missing);
    }
    if (!S_ISREG(info.st_mode)) return Status(FileReadStatus::NotAFile);

    // Should the name now stand for a pipe or a terminal, opening it neither
    // waits for a writer nor makes it this process's terminal.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return Status(FileReadStatus::Unreadable);
    if (::fstat(fd.get(), &info) != 0) return Status(FileReadStatus::Unreadable);
    if (!S_ISREG(info.st_mode)) return Status(FileReadStatus::NotAFile);

    const auto size = std::uint64_t(info.st_size);
    FileReadResult result{size > limit ? FileReadStatus::Truncated : FileReadStatus::Complete, {}};
    if (size > limit && longer == LongerFile::ReadNothing) return result;
    result.bytes.resize(std::size_t(std::min<std::uint64_t>(size, limit)));
    int error = 0;
    // A file cut while it is read fails here rather than being read in part.
    if (!ReadAll(fd.get(), result.bytes.data(), result.bytes.size(), error)) {
        return Status(FileReadStatus::Unreadable);
    }
    return result;
}
