#pragma once
// Text between UTF-8, as the program holds it, and UTF-16, as a settings file
// may hold it.

#include <string>
#include <string_view>

// Each byte that starts no well-formed sequence, and each sequence cut short,
// becomes one U+FFFD.
std::u16string Utf16FromUtf8(std::string_view utf8);

// A surrogate without its partner becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view utf16);
