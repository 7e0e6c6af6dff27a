#pragma once
// The services' texts are UTF-8; the Windows API's are UTF-16.

#include <string>

std::wstring WideOf(const std::string& text);
std::string Utf8Of(const wchar_t* text, int length);
