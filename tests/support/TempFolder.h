#pragma once
// A fresh folder per test, removed afterwards, so tests that run in parallel
// never share a file.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            m_path = base / ("velmora-test-" + std::to_string(seed()));
            if (std::filesystem::create_directory(m_path)) break;
        }
    }
    ~TempFolder() {
        std::error_code ignored;
#ifdef _WIN32
        // Windows deletes no read-only file, and a name longer than MAX_PATH
        // only under the \\?\ prefix.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(L"\\\\?\\" + m_path.native(), ignored);
#else
        std::filesystem::remove_all(m_path, ignored);
#endif
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const {
        return m_path;
    }

    // A path inside the folder, as the UTF-8 text the program passes around.
    std::string file(const std::string& utf8Name) const {
        const std::u8string base = m_path.u8string();
        return std::string(base.begin(), base.end()) + "/" + utf8Name;
    }

    std::string write(const std::string& utf8Name, const std::vector<unsigned char>& bytes) const {
        return place(utf8Name, std::string(bytes.begin(), bytes.end()));
    }

    // Puts at the name what `what` says: "<folder>", "<pipe>", "->TARGET" for a
    // symbolic link to TARGET (these two not on Windows), "<read-only>BYTES"
    // for a read-only file, or else a file of those bytes. Gives the name.
    std::string place(const std::string& utf8Name, const std::string& what) const {
        const std::string name = file(utf8Name);
        const std::filesystem::path path(std::u8string(name.begin(), name.end()));
        if (what == "<folder>") std::filesystem::create_directory(path);
#ifndef _WIN32
        else if (what == "<pipe>")
            ::mkfifo(path.c_str(), 0644);
        else if (what.starts_with("->"))
            std::filesystem::create_symlink(what.substr(2), path);
#endif
        else if (what.starts_with("<read-only>")) {
            std::ofstream(path, std::ios::binary) << what.substr(11);
            std::filesystem::permissions(path, std::filesystem::perms(0222),
                                         std::filesystem::perm_options::remove);
        } else
            std::ofstream(path, std::ios::binary) << what;
        return name;
    }

  private:
    std::filesystem::path m_path;
};
