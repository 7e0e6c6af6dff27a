// The Windows side of reading a file: the checks of the name and of the open
// handle, and the bounded read.

#include "files/FileRead.h"

#include "files/Win32Handle.h"
#include "files/Win32Names.h"

namespace {

FileReadResult Status(FileReadStatus status) {
    return FileReadResult{status, {}};
}

// What stands at a name that could not be opened for reading.
FileReadStatus WhyNotOpened(const std::wstring& path, DWORD error) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return NamesNothing(GetLastError()) ? FileReadStatus::Missing : FileReadStatus::Unreadable;
    // A folder is not opened without FILE_FLAG_BACKUP_SEMANTICS, which is not
    // asked for, so as never to open one.
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileReadStatus::NotAFile;
    // Something is there that names nothing when followed: a link to nothing,
    // or one of a loop, is something, though not a file.
    if (NamesNothing(error) || error == ERROR_CANT_RESOLVE_FILENAME)
        return FileReadStatus::NotAFile;
    return FileReadStatus::Unreadable;
}

} // namespace

FileReadResult ReadFileBounded(const std::string& utf8Path, std::size_t limit, LongerFile longer) {
    const std::wstring name = WideFromUtf8(utf8Path);
    // A device answers to its name in any folder, and its attributes look like
    // a file's: NUL cannot be told from a file before it is opened, and
    // opening some devices (a port, the console) has effects of its own.
    if (NamesADevice(name)) return Status(FileReadStatus::NotAFile);
    const std::wstring path = SystemName(name);
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, SHARE_ALL, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) return Status(WhyNotOpened(path, GetLastError()));
    // What was opened is checked again: a name swapped in between for a link
    // to a device or a pipe opens that instead.
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK) return Status(FileReadStatus::NotAFile);
    if (!GetFileInformationByHandle(file.get(), &info)) return Status(FileReadStatus::Unreadable);
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return Status(FileReadStatus::NotAFile);

    const std::uint64_t size = (std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    FileReadResult result{size > limit ? FileReadStatus::Truncated : FileReadStatus::Complete, {}};
    if (size > limit && longer == LongerFile::ReadNothing) return result;
    result.bytes.resize(std::size_t(std::min<std::uint64_t>(size, limit)));
    DWORD error = 0;
    // A file cut while it is read fails here rather than being read in part.
    if (!ReadAll(file.get(), result.bytes.data(), result.bytes.size(), error))
        return Status(FileReadStatus::Unreadable);
    return result;
}
