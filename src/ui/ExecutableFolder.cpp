#include "ui/ExecutableFolder.h"

#include <filesystem>

#if !defined(__linux__)
#include <QCoreApplication>
#endif

std::string ExecutableFolder() {
#if defined(__linux__)
    // The kernel's link names the executable itself, even when it was started
    // through a link or a relative path.
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.is_absolute()) return {};
    const std::u8string folder = executable.parent_path().u8string();
    return std::string(folder.begin(), folder.end());
#else
    if (!QCoreApplication::instance()) return {};
    const QByteArray folder = QCoreApplication::applicationDirPath().toUtf8();
    return std::string(folder.constData(), std::size_t(folder.size()));
#endif
}
