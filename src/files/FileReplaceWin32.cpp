// The Windows side of replacing a file: link resolution, the temporary file,
// flushing, the replacement with its short retries, and the in-place fallback
// with its restore.

#include "files/FileReplace.h"

#include "files/Win32Handle.h"
#include "files/Win32Names.h"

#include <chrono>
#include <random>
#include <vector>

namespace {

constexpr int TEMPORARY_NAME_TRIES = 100;
// A scanner, an indexer or a viewer often holds a file for a moment just after
// it changed; a few short tries outlast it without keeping the user waiting.
constexpr int HELD_TRIES = 5;
constexpr DWORD HELD_PAUSE_MS = 50;
// ERROR_DIRECTORY_NOT_SUPPORTED, "an operation is not supported on a
// directory", which MinGW's headers do not have yet.
constexpr DWORD DIRECTORY_NOT_SUPPORTED = 336;

FileReplaceResult Failed(DWORD error) {
    return FileReplaceResult{false, SystemReason(error)};
}

FileReplaceResult Written() {
    return FileReplaceResult{true, {}};
}

// Runs `step` until it succeeds, fails for another reason than another
// program holding the file, or has had its tries; gives 0 or the last error.
// A rename over a file open without FILE_SHARE_DELETE, or one being deleted,
// is refused as access denied.
template <typename Step> DWORD TriedWhileHeld(Step step) {
    for (int attempt = 1;; ++attempt) {
        if (step()) return 0;
        const DWORD error = GetLastError();
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                          error == ERROR_ACCESS_DENIED ||
                          error == ERROR_UNABLE_TO_REMOVE_REPLACED ||
                          error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
        if (!held || attempt == HELD_TRIES) return error;
        Sleep(HELD_PAUSE_MS);
    }
}

// The name of the file a handle has open, through every link.
std::wstring FinalName(HANDLE file, const std::wstring& otherwise) {
    std::wstring name(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length = GetFinalPathNameByHandleW(file, name.data(), DWORD(name.size()), 0);
        if (length == 0) return otherwise;
        if (length < name.size()) return name.substr(0, length);
        name.resize(length);
    }
    return otherwise;
}

// Finds what `path` finally names through any links: an existing file to
// replace (`exists`), or a name for a new file; 0, or the error that refuses it.
DWORD ResolveTarget(std::wstring& path, bool& exists) {
    // Asking for the attributes only is never refused for sharing, and
    // FILE_FLAG_BACKUP_SEMANTICS opens a folder too, to be told apart.
    const FileHandle file(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, SHARE_ALL, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        if (!NamesNothing(error)) return error;
        // Something that names nothing when followed is a link to nothing. It
        // is not written through: the file would appear wherever it points.
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return error;
        path = SystemName(FullName(path)); // the temporary file's folder from it
        exists = false;
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK) return ERROR_NOT_SUPPORTED;
    if (!GetFileInformationByHandle(file.get(), &info)) return GetLastError();
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return DIRECTORY_NOT_SUPPORTED;
    // A file its owner made read-only stays as it is, though its folder may be
    // writable. (Windows refuses to write it anyway; Wine running as root
    // would not.)
    if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) return ERROR_ACCESS_DENIED;
    path = FinalName(file.get(), path);
    exists = true;
    return 0;
}

// Whether the user may write the existing file: the same refusal as the
// system's when it is opened for writing, which the replacement never does.
DWORD MayBeWritten(const std::wstring& path) {
    return TriedWhileHeld([&] {
        const FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, SHARE_ALL, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
        return file.valid();
    });
}

// Creates a new file with a fresh name in `file`'s folder.
FileHandle CreateTemporaryBeside(const std::wstring& file, std::wstring& temporary, DWORD& error) {
    static std::minstd_rand names(unsigned(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ GetCurrentProcessId()));
    const std::size_t slash = file.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"" : file.substr(0, slash + 1);
    for (int attempt = 0; attempt < TEMPORARY_NAME_TRIES; ++attempt) {
        temporary = folder + L".saving-" + std::to_wstring(names()) + L".tmp";
        // Plain attributes: a new file keeps those of the temporary one.
        FileHandle created(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (created.valid()) return created;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return FileHandle(INVALID_HANDLE_VALUE);
}

// Writes and flushes the new content into the temporary file and closes it.
bool FillTemporary(FileHandle& file, const std::uint8_t* bytes, std::size_t size, DWORD& error) {
    if (!WriteAll(file.get(), bytes, size, error)) return false;
    if (!FlushFileBuffers(file.get())) {
        error = GetLastError();
        return false;
    }
    return file.close(error);
}

bool MoveTo(HANDLE file, std::size_t at, DWORD& error) {
    LARGE_INTEGER position{};
    position.QuadPart = LONGLONG(at);
    if (SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) return true;
    error = GetLastError();
    return false;
}

bool EndHere(HANDLE file, DWORD& error) {
    if (SetEndOfFile(file)) return true;
    error = GetLastError();
    return false;
}

// Overwrites the file itself. Should writing fail, the bytes it covered are
// put back and the file is cut to its old length.
FileReplaceResult RewriteInPlace(const std::wstring& path, const std::uint8_t* bytes,
                                 std::size_t size) {
    // Others may go on reading the file meanwhile, but not write it.
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.valid()) return Failed(GetLastError());
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(file.get(), &length)) return Failed(GetLastError());
    const std::size_t oldSize = std::size_t(length.QuadPart);
    std::vector<std::uint8_t> before(std::min(oldSize, size));
    DWORD error = 0;
    if (!ReadAll(file.get(), before.data(), before.size(), error)) return Failed(error);

    if (MoveTo(file.get(), 0, error) && WriteAll(file.get(), bytes, size, error) &&
        MoveTo(file.get(), size, error) && EndHere(file.get(), error)) {
        if (!FlushFileBuffers(file.get())) return Failed(GetLastError());
        return file.close(error) ? Written() : Failed(error);
    }
    DWORD ignored = 0;
    if (MoveTo(file.get(), 0, ignored)) WriteAll(file.get(), before.data(), before.size(), ignored);
    if (oldSize < size && MoveTo(file.get(), oldSize, ignored)) EndHere(file.get(), ignored);
    FlushFileBuffers(file.get());
    return Failed(error);
}

} // namespace

FileReplaceResult ReplaceFileContents(const std::string& utf8Path, const std::uint8_t* bytes,
                                      std::size_t size) {
    const std::wstring name = WideFromUtf8(utf8Path);
    // Devices and pipes are not written: there is nothing to replace, and a
    // port or a pipe nobody reads would keep the write waiting.
    if (NamesADevice(name)) return Failed(ERROR_NOT_SUPPORTED);
    std::wstring file = SystemName(name);
    bool exists = false;
    if (const DWORD error = ResolveTarget(file, exists)) return Failed(error);
    if (exists) {
        if (const DWORD error = MayBeWritten(file)) return Failed(error);
    }

    std::wstring temporary;
    DWORD error = 0;
    FileHandle created = CreateTemporaryBeside(file, temporary, error);
    if (!created.valid()) return exists ? RewriteInPlace(file, bytes, size) : Failed(error);
    // ReplaceFileW gives the new file the old one's attributes, security and
    // streams; a new file takes its folder's, as any new file would. With no
    // backup name the old file is never moved aside, so a failure leaves it
    // under its name. (Wine's ReplaceFileW keeps no attributes and leaves a
    // file of its own beside the target when it fails; Windows' does neither.)
    const auto replace = [&] {
        return ReplaceFileW(file.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr) != 0;
    };
    const auto move = [&] {
        return MoveFileExW(temporary.c_str(), file.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    };
    if (FillTemporary(created, bytes, size, error)) {
        error = exists ? TriedWhileHeld(replace) : TriedWhileHeld(move);
        if (error == 0) return Written();
    }
    // The temporary file is closed first: Windows deletes no file open without
    // FILE_SHARE_DELETE, as it is here.
    DWORD ignored = 0;
    if (created.valid()) created.close(ignored);
    DeleteFileW(temporary.c_str());
    return Failed(error);
}
