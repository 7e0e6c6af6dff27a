// The writer and the loader together on random sizes and pixels: every
// encoded file is as long as its header says and reads back, through the
// in-memory path, as the same pixels.

#include "imagefile/BitmapEncoding.h"
#include "imagefile/BitmapLoader.h"
#include "imagefile/SizeProbe.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const int width = 1 + (data[0] | data[1] << 8) % MAX_IMAGE_SIDE;
    const int height = 1 + (data[2] | data[3] << 8) % MAX_IMAGE_SIDE;
    const std::span<const std::uint8_t> rest(data + 4, size - 4);

    // The rest of the input, repeated and stirred by the pixel's index, so a
    // short input still fills a large surface with distinct colours. The top
    // byte is set on purpose: the encoder must ignore it.
    std::vector<Colour> pixels(std::size_t(width) * std::size_t(height));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        Colour c = Colour(i) * 2654435761u;
        for (std::size_t k = 0; k < 4 && !rest.empty(); ++k)
            c ^= Colour(rest[(4 * i + k) % rest.size()]) << (8 * k);
        pixels[i] = c;
    }

    const std::vector<std::uint8_t> file = EncodeBitmapFile(pixels.data(), width, height);
    const std::uint32_t statedSize =
        file[2] | file[3] << 8 | file[4] << 16 | std::uint32_t(file[5]) << 24;
    const std::optional<DecodedImage> image = ReadBitmapBytes(file, nullptr);
    if (statedSize != file.size() || !image || image->width != width || image->height != height)
        __builtin_trap();
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (image->pixels[i] != (pixels[i] & 0x00FFFFFF)) __builtin_trap();
    return 0;
}
