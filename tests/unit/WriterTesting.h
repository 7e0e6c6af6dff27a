#pragma once
// What the writer's tests share: a picture to write, reading files back, and
// describing results so that assertions show the reason on failure.

#include "imagefile/BitmapWriter.h"
#include "ui/graphics/Surfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class WriterTest : public testing::Test {
  protected:
    void SetUp() override { ResetSurfacesForTests(); }
    void TearDown() override { ResetSurfacesForTests(); }
};

// A width x height off-screen bitmap painted by colourAt(x, y), made the target.
template <typename ColourAt> Handle MakePicture(int width, int height, ColourAt colourAt) {
    const Handle surface = NewBitmapSurface(width, height);
    AttachSurface(surface, 0, false);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            SetSurfacePixel(x, y, colourAt(x, y));
    }
    return surface;
}

inline std::string Describe(const WriteResult& result) {
    switch (result.outcome) {
    case WriteOutcome::Written:
        return result.reason.empty() ? "Written" : "Written?" + result.reason;
    case WriteOutcome::NothingDone:
        return "NothingDone";
    case WriteOutcome::Failed:
        return "Failed: " + result.reason;
    }
    return "?";
}

inline std::filesystem::path Utf8ToPath(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

inline std::vector<unsigned char> ReadBytes(const std::string& utf8Path) {
    std::ifstream in(Utf8ToPath(utf8Path), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

inline std::uint32_t ReadLE(const std::vector<unsigned char>& bytes, std::size_t offset,
                            int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes.at(offset + std::size_t(i));
    return value;
}

// The names in a folder, sorted: shows any temporary file left behind.
inline std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
