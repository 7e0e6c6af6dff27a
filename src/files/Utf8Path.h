#pragma once
// File names travel through the program as UTF-8 text of any length. This
// turns one into a filesystem path that means the same file on every platform.

#include <filesystem>
#include <string>

std::filesystem::path PathFromUtf8(const std::string& utf8Name);
std::string Utf8FromPath(const std::filesystem::path& path);
