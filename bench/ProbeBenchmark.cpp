// The size probe against a plain read of the same 26 bytes: the probe should
// cost no more than opening the file does.

#include "imagefile/SizeProbe.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::string& SampleFile() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "velmora-bench-probe.bmp";
        std::ofstream out(p, std::ios::binary);
        std::string header(54, '\0');
        header[0] = 'B';
        header[1] = 'M';
        header[14] = 40;
        header[18] = char(0xF4); // 500
        header[19] = 1;
        header[22] = char(0xF4);
        header[23] = 1;
        out << header;
        return p.string();
    }();
    return path;
}

void BaselinePlainRead(benchmark::State& state) {
    char buffer[26];
    for (auto _ : state) {
        std::FILE* f = std::fopen(SampleFile().c_str(), "rb");
        benchmark::DoNotOptimize(std::fread(buffer, 1, sizeof buffer, f));
        std::fclose(f);
    }
}
BENCHMARK(BaselinePlainRead);

void ProbeImageFileOf500x500(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ProbeImageFile(SampleFile()));
}
BENCHMARK(ProbeImageFileOf500x500);

} // namespace
