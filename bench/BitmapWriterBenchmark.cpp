// Saving the largest picture, 500 x 500, against a plain write of a file of
// the same size (at most 3x). The save also flushes the file to the disk and
// renames it into place, so the flushed plain write is measured as well.

#include "imagefile/BitmapWriter.h"
#include "ui/graphics/Surfaces.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t FILE_SIZE = 54 + 1500 * 500;

std::string BenchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void PlainWrite(benchmark::State& state, bool flush) {
    const std::vector<unsigned char> bytes(FILE_SIZE, 0x5A);
    const std::string path = BenchFile("velmora-bench-plain.bmp");
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
            state.SkipWithError("cannot write the benchmark file");
        }
        if (flush) ::fsync(fd);
        ::close(fd);
    }
    std::filesystem::remove(path);
}

void BaselinePlainWriteOfTheSameSize(benchmark::State& state) {
    PlainWrite(state, false);
}
BENCHMARK(BaselinePlainWriteOfTheSameSize)->Unit(benchmark::kMicrosecond);

void BaselinePlainWriteAndFlushOfTheSameSize(benchmark::State& state) {
    PlainWrite(state, true);
}
BENCHMARK(BaselinePlainWriteAndFlushOfTheSameSize)->Unit(benchmark::kMicrosecond);

void WriteBitmapFileOf500x500(benchmark::State& state) {
    ResetSurfacesForTests();
    const Handle picture = NewBitmapSurface(500, 500);
    AttachSurface(picture, 0, false);
    for (int y = 0; y < 500; ++y) {
        for (int x = 0; x < 500; ++x)
            SetSurfacePixel(x, y, Rgb(x & 255, y & 255, 0x80));
    }
    const std::string path = BenchFile("velmora-bench-save.bmp");
    for (auto _ : state) {
        if (WriteBitmapFile(path).outcome != WriteOutcome::Written) {
            state.SkipWithError("cannot save the benchmark file");
        }
    }
    std::filesystem::remove(path);
    ResetSurfacesForTests();
}
BENCHMARK(WriteBitmapFileOf500x500)->Unit(benchmark::kMicrosecond);

} // namespace
