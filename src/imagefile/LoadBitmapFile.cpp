#include "imagefile/LoadBitmapFile.h"

#include "imagefile/BitmapLoader.h"
#include "ui/graphics/Surfaces.h"

#include <optional>

Handle LoadBitmapFile(const std::string& utf8FileName, std::int32_t width, std::int32_t height) {
    // The start-up box names the file, not the reason.
    const std::optional<DecodedImage> image = ReadBitmapImage(utf8FileName, nullptr);
    if (!image || image->width != width || image->height != height) return 0;
    return NewBitmapSurfaceFrom(image->width, image->height, image->pixels.data());
}
