#pragma once
// File names between the program's UTF-8 and the system's UTF-16, in the form
// the system's file calls take them, and the names it takes for devices
// rather than files. Only the *Win32.cpp files of this folder include it.

#include <windows.h>

#include <string>

// Bytes that are not UTF-8 become U+FFFD, and so do lone surrogates the other
// way: a name is never refused for its text alone.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

// The name made absolute (the process's current folder and drive applied), or
// the name as it was when the system cannot.
std::wstring FullName(const std::wstring& name);

// The name as the file calls should get it. One longer than the system's usual
// limit (MAX_PATH) is made absolute and given the \\?\ prefix that lifts the
// limit; shorter ones are left to the system's own parsing.
std::wstring SystemName(const std::wstring& name);

// Whether the system would open a device for this name rather than a file:
// a reserved name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, CONIN$,
// CONOUT$) as its last part, in any folder, in any case, with any extension
// and with trailing dots and spaces; or a path into the device namespace
// (\\.\, or \\?\ and \??\ but for a drive's or a share's path).
bool NamesADevice(const std::wstring& name);

// Errors that say nothing stands at a name (the name or a folder on its way
// is missing, or the name cannot be a file's at all).
bool NamesNothing(DWORD error);

// The system's text for an error, as UTF-8, in the user's language.
std::string SystemReason(DWORD error);
