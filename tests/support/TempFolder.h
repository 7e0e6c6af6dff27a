#pragma once
// A fresh folder per test, removed afterwards, so tests that run in parallel
// never share a file.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

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
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // A path inside the folder, as the UTF-8 text the program passes around.
    std::string file(const std::string& utf8Name) const {
        const std::u8string base = m_path.u8string();
        return std::string(base.begin(), base.end()) + "/" + utf8Name;
    }

    std::string write(const std::string& utf8Name, const std::vector<unsigned char>& bytes) const {
        const std::string name = file(utf8Name);
        std::ofstream out(std::filesystem::path(std::u8string(name.begin(), name.end())),
                          std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return name;
    }

  private:
    std::filesystem::path m_path;
};
