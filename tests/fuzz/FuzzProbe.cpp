// Feeds arbitrary bytes, as a file, to the size probe and the admission rule.

#include "imagefile/SizeProbe.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {
std::string ScratchFile() {
    static const std::string path =
        "/tmp/velmora-fuzz-probe-" + std::to_string(getpid()) + ".bmp";
    std::atexit([] { std::remove(path.c_str()); });
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchFile();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    const ProbeResult fromFile = ProbeImageFile(path);
    const ProbeResult fromMemory = ProbeImageHeader(data, size);
    if (fromFile.admission != fromMemory.admission) __builtin_trap();
    if (fromFile.admission == Admission::Admitted &&
        (fromFile.width < 1 || fromFile.width > 500 || fromFile.height < 1 ||
         fromFile.height > 500)) {
        __builtin_trap();
    }
    return 0;
}
