#pragma once
// The services' texts are UTF-8; the Windows API's are UTF-16.

#include "ui/win32/WindowsApi.h"

#include <string>

std::wstring WideOf(const std::string& text);
std::string Utf8Of(const wchar_t* text, int length);

// A window's text (a dialog's title, a control's text), as UTF-8.
std::string TextOfWindow(HWND window);
void GiveWindowText(HWND window, const std::string& text);
