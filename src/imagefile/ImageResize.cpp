#include "imagefile/ImageResize.h"

#include "imagefile/SizeProbe.h"

#include <cstdint>

namespace {

// The source column (or row) under the centre of destination column `to`.
std::size_t SourceIndex(int to, int destinationSize, int sourceSize) {
    const std::int64_t centreTimesTwo = 2 * std::int64_t(to) + 1;
    return std::size_t(centreTimesTwo * sourceSize / (2 * std::int64_t(destinationSize)));
}

} // namespace

DecodedImage ResizeImage(const DecodedImage& image, int width, int height) {
    if (width < 1 || height < 1 || (width == image.width && height == image.height)) {
        return image;
    }
    const bool wellFormed =
        image.width >= 1 && image.height >= 1 &&
        image.pixels.size() == std::size_t(image.width) * std::size_t(image.height);
    if (width > MAX_IMAGE_SIDE || height > MAX_IMAGE_SIDE || !wellFormed) {
        return DecodedImage{};
    }
    DecodedImage resized;
    resized.width = width;
    resized.height = height;
    resized.pixels.reserve(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const std::size_t sourceRow = SourceIndex(y, height, image.height);
        for (int x = 0; x < width; ++x) {
            const std::size_t sourceColumn = SourceIndex(x, width, image.width);
            resized.pixels.push_back(
                image.pixels[sourceRow * std::size_t(image.width) + sourceColumn]);
        }
    }
    return resized;
}
