#include "files/Win32Names.h"

#include <climits>

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? wchar_t(c - L'a' + L'A') : c;
}

// \\.\ and //./ lead into the device namespace, as do \\?\ and \??\ unless a
// drive's path (X:\) or a share's (UNC\) follows: those are ordinary files
// under a long name.
bool InDeviceNamespace(const std::wstring& name) {
    if (name.size() < 4 || !IsSeparator(name[0]) || !IsSeparator(name[3])) return false;
    if (IsSeparator(name[1]) && name[2] == L'.') return true;
    if (!((IsSeparator(name[1]) || name[1] == L'?') && name[2] == L'?')) return false;
    const std::wstring rest = name.substr(4);
    const bool drive = rest.size() >= 3 && rest[1] == L':' && IsSeparator(rest[2]);
    const bool share = rest.size() >= 4 && AsciiUpper(rest[0]) == L'U' &&
                       AsciiUpper(rest[1]) == L'N' && AsciiUpper(rest[2]) == L'C' &&
                       IsSeparator(rest[3]);
    return !drive && !share;
}

// The system reads a name's last part as a device when the part before its
// first dot or colon is, without its trailing spaces, a reserved name: the
// trailing dots and spaces it drops from a name are gone with the rest.
bool IsReservedName(std::wstring part) {
    part.resize(std::min(part.size(), part.find_first_of(L".:")));
    while (!part.empty() && part.back() == L' ')
        part.pop_back();
    for (wchar_t& c : part)
        c = AsciiUpper(c);
    if (part == L"CON" || part == L"PRN" || part == L"AUX" || part == L"NUL" || part == L"CONIN$" ||
        part == L"CONOUT$")
        return true;
    // The ports are numbered 1 to 9, also in superscript digits (¹ ² ³).
    const bool port = part.size() == 4 && (part.starts_with(L"COM") || part.starts_with(L"LPT"));
    const wchar_t n = port ? part[3] : L'\0';
    return (n >= L'1' && n <= L'9') || n == L'\u00B9' || n == L'\u00B2' || n == L'\u00B3';
}

} // namespace

std::wstring WideFromUtf8(const std::string& utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    return wide;
}

std::string Utf8FromWide(const std::wstring& wide) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string utf8(std::size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), length, nullptr,
                        nullptr);
    return utf8;
}

std::wstring FullName(const std::wstring& name) {
    std::wstring full(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length =
            GetFullPathNameW(name.c_str(), DWORD(full.size()), full.data(), nullptr);
        if (length == 0) return name;
        if (length < full.size()) return full.substr(0, length);
        full.resize(length); // the length needed, with the terminating zero
    }
    return name;
}

std::wstring SystemName(const std::wstring& name) {
    // The limit is MAX_PATH with room for a file name of 8.3 characters after
    // it, which is the one that holds for folders.
    if (name.size() < MAX_PATH - 12 || name.starts_with(L"\\\\?\\")) return name;
    // Under \\?\ the system takes the name as it is: "/", "." and ".." must
    // already have been resolved.
    const std::wstring full = FullName(name);
    if (full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) return full;
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

bool NamesADevice(const std::wstring& name) {
    if (InDeviceNamespace(name)) return true;
    std::size_t start = name.find_last_of(L"\\/");
    start = start == std::wstring::npos ? 0 : start + 1;
    if (start == 0 && name.size() >= 2 && name[1] == L':') start = 2; // "C:NUL"
    return IsReservedName(name.substr(start));
}

bool NamesNothing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_INVALID_DRIVE ||
           error == ERROR_BAD_NETPATH || error == ERROR_BAD_NET_NAME;
}

std::string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = text ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!reason.empty() &&
           (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
        reason.pop_back();
    // Some systems (Wine among them) have no text for every error.
    if (reason.empty()) return "Error " + std::to_string(error);
    return Utf8FromWide(reason);
}
