// Feeds arbitrary bytes, as a whole bitmap file, to the size probe, the
// admission rule and the loader together, and checks what a loaded image
// promises: only an admitted size loads, at exactly its probed size, with every
// pixel defined.

#include "imagefile/BitmapLoader.h"
#include "imagefile/ImageResize.h"
#include "imagefile/SizeProbe.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const ProbeResult probe = ProbeImageHeader(data, size);
    std::string reason;
    const std::optional<DecodedImage> image = ReadBitmapBytes(file, &reason);
    if (!image) {
        if (reason.empty()) __builtin_trap(); // every refusal says why
        return 0;
    }
    if (probe.admission != Admission::Admitted) __builtin_trap();
    const int width = image->width;
    const int height = image->height;
    if (width != probe.width || height != probe.height) __builtin_trap();
    if (width < 1 || width > MAX_IMAGE_SIDE || height < 1 || height > MAX_IMAGE_SIDE) {
        __builtin_trap();
    }
    if (image->pixels.size() != std::size_t(width) * std::size_t(height)) __builtin_trap();
    for (Colour c : image->pixels) {
        if (c >> 24) __builtin_trap();
    }
    // Pixels the file leaves out are filled, not left to whatever memory held:
    // a second load of the same bytes gives the same picture.
    const std::optional<DecodedImage> again = ReadBitmapBytes(file, &reason);
    if (!again || again->pixels != image->pixels) __builtin_trap();

    const int askedWidth = 1 + int(size % 61);
    const int askedHeight = 1 + int(size % 37);
    const DecodedImage resized = ResizeImage(*image, askedWidth, askedHeight);
    if (resized.pixels.size() != std::size_t(askedWidth) * std::size_t(askedHeight)) {
        __builtin_trap();
    }
    return 0;
}
