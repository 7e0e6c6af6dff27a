// File names on Windows: UTF-16 at the system, converted here with the
// system's own UTF-8 rules, so a name the program passes around means the
// same file as the one the user chose.

#include "files/Utf8Path.h"

#include "files/Win32Names.h"

std::filesystem::path PathFromUtf8(const std::string& utf8Name) {
    return std::filesystem::path(WideFromUtf8(utf8Name));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    return Utf8FromWide(path.native());
}
