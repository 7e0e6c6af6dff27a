#include "files/Folders.h"

#include "files/Utf8Path.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__APPLE__)
#include <mach-o/dyld.h>
#include <vector>
#endif

namespace {

std::string EnvironmentPath(const char* name) {
    const char* value = std::getenv(name);
    // Relative values are ignored, as the base-directory rules say.
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

bool MayWrite(const std::string& path, int mode) {
    return ::faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

} // namespace

std::string ExecutableFolder() {
    std::error_code error;
#if defined(__APPLE__)
    std::uint32_t size = 0;
    ::_NSGetExecutablePath(nullptr, &size);
    std::vector<char> name(size + 1);
    if (::_NSGetExecutablePath(name.data(), &size) != 0) return {};
    const std::filesystem::path executable = std::filesystem::canonical(name.data(), error);
#else
    // The kernel's link names the executable itself, even when it was started
    // through a link or a relative path.
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
#endif
    if (error || !executable.is_absolute()) return {};
    // The folder's bytes as the system gives them, whatever their encoding.
    return Utf8FromPath(executable.parent_path());
}

std::string UserSettingsFolder(const std::string& organisation, const std::string& application) {
#if defined(__APPLE__)
    const std::string home = EnvironmentPath("HOME");
    if (home.empty()) return {};
    std::string base = home + "/Library/Preferences";
#else
    std::string base = EnvironmentPath("XDG_CONFIG_HOME");
    if (base.empty()) {
        const std::string home = EnvironmentPath("HOME");
        if (home.empty()) return {};
        base = home + "/.config";
    }
#endif
    return base + "/" + organisation + "/" + application;
}

std::string PathInFolder(const std::string& utf8Folder, const std::string& utf8Name) {
    return Utf8FromPath(PathFromUtf8(utf8Folder) / PathFromUtf8(utf8Name));
}

void MakeFoldersOf(const std::string& utf8File) {
    std::error_code ignored;
    std::filesystem::create_directories(PathFromUtf8(utf8File).parent_path(), ignored);
}

PathState StateOfPath(const std::string& utf8Path) {
    struct stat link {};
    if (::lstat(utf8Path.c_str(), &link) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? PathState::Nothing : PathState::Other;
    }
    struct stat target {};
    if (::stat(utf8Path.c_str(), &target) != 0) return PathState::Other; // a link to nothing
    if (S_ISREG(target.st_mode)) {
        return MayWrite(utf8Path, W_OK) ? PathState::WritableFile : PathState::OtherFile;
    }
    if (S_ISDIR(target.st_mode)) {
        return MayWrite(utf8Path, W_OK | X_OK) ? PathState::WritableFolder : PathState::OtherFolder;
    }
    return PathState::Other;
}
