#include "settings/AtomicWrite.h"

#include <cerrno>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int TEMPORARY_NAME_ATTEMPTS = 16;

std::string FromPath(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The file a link names, so that the link itself survives the rename.
std::string FollowLinks(const std::string& path) {
    std::error_code error;
    const fs::path asPath(std::u8string(path.begin(), path.end()));
    if (!fs::is_symlink(asPath, error)) return path;
    const fs::path target = fs::canonical(asPath, error);
    return error ? path : FromPath(target);
}

// Opens a new file, hidden beside target, that did not exist before.
int CreateTemporaryBeside(const std::string& target, std::string& temporary) {
    const fs::path asPath(std::u8string(target.begin(), target.end()));
    const std::string folder = FromPath(asPath.parent_path());
    const std::string name = FromPath(asPath.filename());
    std::random_device seed;
    for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS; ++attempt) {
        temporary = (folder.empty() ? "" : folder + "/") + "." + name + "." +
                    std::to_string(seed()) + ".tmp";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

// Makes the rename itself durable; a failure here loses nothing.
void FlushFolderOf(const std::string& path) {
    const fs::path asPath(std::u8string(path.begin(), path.end()));
    const std::string folder = FromPath(asPath.parent_path());
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool ReplaceFileContents(const std::string& utf8Path, std::string_view bytes) {
    const std::string target = FollowLinks(utf8Path);
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && (!S_ISREG(old.st_mode) || ::access(target.c_str(), W_OK) != 0)) return false;

    std::string temporary;
    const int fd = CreateTemporaryBeside(target, temporary);
    if (fd < 0) return false;
    bool written = WriteAll(fd, bytes);
    if (written && existed) {
        // Only root may give the file back to another owner; elsewhere the
        // owner is ours anyway, so a refusal here changes nothing.
        [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
        written = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    written = written && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    FlushFolderOf(target);
    return true;
}
