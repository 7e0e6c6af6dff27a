// The Windows side of the folders: the executable's, the user's settings
// folder, and what stands at a name with whether this user may write it.

#include "files/Folders.h"

#include "files/Win32Handle.h"
#include "files/Win32Names.h"

#include <chrono>
#include <random>
#include <shlobj.h>

namespace {

constexpr int PROBE_NAME_TRIES = 100;

// Whether a file can be made in the folder: a probe file is created and at
// once deleted. Only that tells: a folder's read-only attribute means nothing
// to the system, and its access list, with UAC's file virtualisation off (as
// for every 64-bit or manifested program), is what refuses a user under
// Program Files; reading the list would not see a share's own rules.
bool FileCanBeMadeIn(const std::wstring& folder) {
    static std::minstd_rand names(unsigned(
        std::chrono::steady_clock::now().time_since_epoch().count() ^ GetCurrentProcessId()));
    const bool separated = folder.ends_with(L'\\') || folder.ends_with(L'/');
    for (int attempt = 0; attempt < PROBE_NAME_TRIES; ++attempt) {
        const std::wstring probe = SystemName(folder + (separated ? L"" : L"\\") + L".probe-" +
                                              std::to_wstring(names()) + L".tmp");
        const FileHandle file(CreateFileW(
            probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (file.valid()) return true;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
}

// What an existing file, opened through any links, is for this user.
PathState StateOfFile(const std::wstring& path) {
    const FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, SHARE_ALL, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        // Something there that names nothing when followed: a link to nothing.
        return NamesNothing(error) || error == ERROR_CANT_RESOLVE_FILENAME ? PathState::Other
                                                                           : PathState::OtherFile;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.get(), &info))
        return PathState::Other;
    // Windows refuses to open a read-only file for writing; Wine running as
    // root does not, so the attribute is asked as well.
    return info.dwFileAttributes & FILE_ATTRIBUTE_READONLY ? PathState::OtherFile
                                                           : PathState::WritableFile;
}

// What an existing folder, or a link to one, is for this user.
PathState StateOfFolder(const std::wstring& path, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        // A link to a folder leads somewhere only when it opens as one.
        const FileHandle folder(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, SHARE_ALL, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!folder.valid()) return PathState::Other;
    }
    return FileCanBeMadeIn(path) ? PathState::WritableFolder : PathState::OtherFolder;
}

} // namespace

std::string ExecutableFolder() {
    // The name can be longer than MAX_PATH; the buffer grows until it fits.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0) return {};
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        if (name.size() >= 32768) return {}; // the longest name the system has
        name.resize(name.size() * 2);
    }
    const std::size_t slash = name.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    return Utf8FromWide(name.substr(0, slash));
}

std::string UserSettingsFolder(const std::string& organisation, const std::string& application) {
    // %LOCALAPPDATA% first, as $XDG_CONFIG_HOME on Linux, so that a user or a
    // test can point the program elsewhere; the system sets it to the known
    // folder, which is asked only when it is unset.
    std::wstring base;
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
    if (length > 1) {
        base.resize(length);
        base.resize(GetEnvironmentVariableW(L"LOCALAPPDATA", base.data(), length));
    }
    if (base.empty()) {
        wchar_t* known = nullptr;
        // Not verified: the folder is only named here, and made by the first save.
        if (SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DONT_VERIFY, nullptr, &known) ==
            S_OK)
            base = known;
        CoTaskMemFree(known);
    }
    if (base.empty()) return {};
    return Utf8FromWide(base) + "\\" + organisation + "\\" + application;
}

// Without std::filesystem, whose paths would bring the C++ library's whole
// locale machinery into the program for conversions it never makes.
std::string PathInFolder(const std::string& utf8Folder, const std::string& utf8Name) {
    if (utf8Folder.empty()) return utf8Name;
    const char last = utf8Folder.back();
    return utf8Folder + (last == '\\' || last == '/' || last == ':' ? "" : "\\") + utf8Name;
}

void MakeFoldersOf(const std::string& utf8File) {
    const std::wstring name = WideFromUtf8(utf8File);
    // Each folder on the way, from the first below the drive or share; those
    // already there refuse to be made again, which is no matter.
    for (std::size_t end = name.find_first_of(L"\\/", 3); end != std::wstring::npos;
         end = name.find_first_of(L"\\/", end + 1)) {
        CreateDirectoryW(SystemName(name.substr(0, end)).c_str(), nullptr);
    }
}

PathState StateOfPath(const std::string& utf8Path) {
    const std::wstring name = WideFromUtf8(utf8Path);
    if (NamesADevice(name)) return PathState::Other;
    const std::wstring path = SystemName(name);
    // The attributes of a link are its own: a link to nothing has some.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return NamesNothing(GetLastError()) ? PathState::Nothing : PathState::Other;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return StateOfFolder(path, attributes);
    return StateOfFile(path);
}
