#pragma once
// What the file tests read back from disk: a file's bytes, and a folder's
// entries with their permissions and contents, to compare before and after.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Bytes in a form short enough to print: their count and a hash.
inline std::string Digest(const std::string& s) {
    return std::to_string(s.size()) + " bytes #" + std::to_string(std::hash<std::string>{}(s));
}

// Each entry's permissions, with a file's digest; folders, links and pipes
// are not opened.
inline std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto status = entry.symlink_status();
        entries[entry.path().filename().string()] =
            std::to_string(int(status.permissions())) + " " +
            (is_regular_file(status) ? Digest(FileText(entry.path())) : "");
    }
    return entries;
}
