// The size probe on any header bytes: it admits exactly the sizes of 1 to 500 a side.

#include "imagefile/SizeProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ProbeResult probe = ProbeImageHeader(data, size);
    const auto inRange = [](std::int32_t side) { return side >= 1 && side <= MAX_IMAGE_SIDE; };
    if ((probe.admission == Admission::Admitted) != (inRange(probe.width) && inRange(probe.height)))
        __builtin_trap();
    return 0;
}
