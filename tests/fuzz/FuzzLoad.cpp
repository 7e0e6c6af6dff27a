// The loader on any bytes: a refusal says why, and only an admitted size
// loads, at exactly its probed size.

#include "imagefile/BitmapLoader.h"
#include "imagefile/SizeProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string reason;
    const std::optional<DecodedImage> image = ReadBitmapBytes({data, size}, &reason);
    const ProbeResult probe = ProbeImageHeader(data, size);
    if (image ? probe.admission != Admission::Admitted || probe.width != image->width ||
                    probe.height != image->height
              : reason.empty())
        __builtin_trap();
    return 0;
}
