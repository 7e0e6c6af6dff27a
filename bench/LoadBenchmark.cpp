// Loading a 500 x 500 24-bit bitmap file against a plain read of the same
// file into memory: the loader's checks and decoding should cost a small
// multiple of the read itself.

#include "imagefile/BitmapLoader.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SIDE = 500;
constexpr int STRIDE = SIDE * 3; // already a multiple of 4
constexpr int HEADERS = 54;

void PutLE32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = char((value >> (8 * i)) & 0xFF);
}

const std::string& LargestFile() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "velmora-bench-load-500.bmp";
        std::string bytes(HEADERS + STRIDE * SIDE, '\0');
        bytes[0] = 'B';
        bytes[1] = 'M';
        PutLE32(bytes, 2, std::uint32_t(bytes.size()));
        PutLE32(bytes, 10, HEADERS);
        PutLE32(bytes, 14, 40);
        PutLE32(bytes, 18, SIDE);
        PutLE32(bytes, 22, SIDE);
        bytes[26] = 1;  // planes
        bytes[28] = 24; // bits per pixel
        for (std::size_t i = HEADERS; i < bytes.size(); ++i)
            bytes[i] = char(i * 7 % 251);
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }();
    return path;
}

void BaselinePlainFileRead(benchmark::State& state) {
    for (auto _ : state) {
        // One sized read into a fresh buffer, as fast as a whole file comes in.
        std::vector<char> bytes(std::filesystem::file_size(LargestFile()));
        std::ifstream in(LargestFile(), std::ios::binary);
        in.read(bytes.data(), std::streamsize(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BaselinePlainFileRead);

void ReadBitmapImageOf500x500(benchmark::State& state) {
    for (auto _ : state) {
        std::string reason;
        auto image = ReadBitmapImage(LargestFile(), &reason);
        if (!image) state.SkipWithError(reason.c_str());
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(ReadBitmapImageOf500x500);

} // namespace
