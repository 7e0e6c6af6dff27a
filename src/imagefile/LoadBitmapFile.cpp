#include "imagefile/LoadBitmapFile.h"

#include "imagefile/BitmapLoader.h"
#include "imagefile/ImageResize.h"
#include "ui/graphics/Surfaces.h"

#include <optional>

Handle LoadBitmapFile(const std::string& utf8FileName, std::int32_t width, std::int32_t height,
                      std::int32_t) {
    if (width == 0 || height == 0) width = height = 0;
    std::string reason;
    std::optional<DecodedImage> image = ReadBitmapImage(utf8FileName, &reason);
    if (!image) return 0;
    if (width != 0 && (width != image->width || height != image->height)) {
        image = ResizeImage(*image, width, height);
        if (image->width != width || image->height != height) return 0;
    }
    return NewBitmapSurfaceFrom(image->width, image->height, image->pixels.data());
}
