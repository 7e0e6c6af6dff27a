// The POSIX side of replacing a file: link resolution, the temporary file,
// flushing, renaming, and the in-place fallback with its restore.

#include "files/FileReplace.h"

#include "files/Utf8Path.h"
#include "files/PosixDescriptor.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int MAX_LINK_HOPS = 40; // the system's own limit for one path
constexpr int TEMPORARY_NAME_TRIES = 100;

FileReplaceResult Failed(int error) {
    return FileReplaceResult{false, std::system_category().message(error)};
}

FileReplaceResult Written() {
    return FileReplaceResult{true, {}};
}

// Follows symbolic links until `path` names what they finally point at, which
// may not exist yet (`exists` false); otherwise `info` describes it.
bool ResolveLinks(fs::path& path, struct stat& info, bool& exists, int& error) {
    for (int hop = 0; hop <= MAX_LINK_HOPS; ++hop) {
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno != ENOENT) {
                error = errno;
                return false;
            }
            exists = false;
            return true;
        }
        if (!S_ISLNK(info.st_mode)) {
            exists = true;
            return true;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            error = errno;
            return false;
        }
        if (std::size_t(length) >= target.size()) {
            error = ENAMETOOLONG;
            return false;
        }
        target.resize(std::size_t(length));
        const fs::path next(target);
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = ELOOP;
    return false;
}

// Creates a new file with a fresh hidden name in `file`'s folder.
int CreateTemporaryBeside(const fs::path& file, mode_t mode, fs::path& temporary, int& error) {
    static std::minstd_rand names(
        unsigned(std::chrono::steady_clock::now().time_since_epoch().count() ^ ::getpid()));
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < TEMPORARY_NAME_TRIES; ++attempt) {
        temporary = folder / (".saving-" + std::to_string(names()) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    error = errno;
    return -1;
}

// Writes and flushes the new content into the temporary file and closes it.
bool FillTemporary(int fd, const struct stat* old, const std::uint8_t* bytes, std::size_t size,
                   int& error) {
    Descriptor file(fd);
    if (old != nullptr) {
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Only a privileged process may keep another user's ownership;
            // otherwise the file becomes the saver's own, as any rewrite would.
        }
        if (::fchmod(fd, old->st_mode & 07777) != 0) {
            // The temporary file stays private (0600): safe, if stricter.
        }
    }
    if (!WriteAll(fd, bytes, size, error)) return false;
    if (::fsync(fd) != 0) {
        error = errno;
        return false;
    }
    return file.close(error);
}

// Overwrites the file itself. Should writing fail, the bytes it covered are
// put back and the file is cut to its old length.
FileReplaceResult RewriteInPlace(const fs::path& file, const std::uint8_t* bytes,
                                 std::size_t size) {
    Descriptor fd(::open(file.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.get() < 0) return Failed(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return Failed(errno);
    const std::size_t oldSize = std::size_t(info.st_size);
    std::vector<std::uint8_t> before(std::min(oldSize, size));
    int error = 0;
    if (!ReadAll(fd.get(), before.data(), before.size(), error)) return Failed(error);
    if (::lseek(fd.get(), 0, SEEK_SET) != 0) return Failed(errno);

    const bool written = WriteAll(fd.get(), bytes, size, error);
    if (written && ::ftruncate(fd.get(), off_t(size)) == 0) {
        if (::fsync(fd.get()) != 0) return Failed(errno);
        return fd.close(error) ? Written() : Failed(error);
    }
    if (written) error = errno;
    int ignored = 0;
    if (::lseek(fd.get(), 0, SEEK_SET) == 0)
        WriteAll(fd.get(), before.data(), before.size(), ignored);
    if (oldSize < size && ::ftruncate(fd.get(), off_t(oldSize)) != 0) {
        // Nothing more can be done: the old bytes are back, the file longer.
    }
    ::fsync(fd.get());
    return Failed(error);
}

// Devices and pipes have nothing to replace: the bytes are simply written.
FileReplaceResult WriteStream(const fs::path& file, const std::uint8_t* bytes, std::size_t size) {
    // Non-blocking, so that a pipe nobody reads fails instead of hanging.
    Descriptor fd(::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return Failed(errno);
    int error = 0;
    if (!WriteAll(fd.get(), bytes, size, error)) return Failed(error);
    return fd.close(error) ? Written() : Failed(error);
}

} // namespace

FileReplaceResult ReplaceFileContents(const std::string& utf8Path, const std::uint8_t* bytes,
                                      std::size_t size) {
    fs::path file = PathFromUtf8(utf8Path);
    struct stat old {};
    bool exists = false;
    int error = 0;
    if (!ResolveLinks(file, old, exists, error)) return Failed(error);
    if (exists && S_ISDIR(old.st_mode)) return Failed(EISDIR);
    if (exists && !S_ISREG(old.st_mode)) return WriteStream(file, bytes, size);
    // A file its owner made read-only stays as it is, though its folder may be writable.
    if (exists && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) return Failed(errno);

    fs::path temporary;
    // A new file gets the usual permissions (the umask applies); an existing
    // file's own are put on the temporary file before it takes its place.
    const int fd = CreateTemporaryBeside(file, exists ? 0600 : 0666, temporary, error);
    if (fd < 0) {
        return exists ? RewriteInPlace(file, bytes, size) : Failed(error);
    }
    if (FillTemporary(fd, exists ? &old : nullptr, bytes, size, error) &&
        ::rename(temporary.c_str(), file.c_str()) == 0) {
        // The folder is not flushed as well: should the system stop before it
        // is, the folder still names a complete file, the old one or the new.
        return Written();
    }
    if (error == 0) error = errno;
    ::unlink(temporary.c_str());
    return Failed(error);
}
