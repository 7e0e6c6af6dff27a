#include "imagefile/BitmapLoader.h"

#include "imagefile/BitmapLayout.h"
#include "imagefile/BitmapLimits.h"
#include "imagefile/BitmapReasons.h"
#include "imagefile/FileBytes.h"
#include "imagefile/PixelDataCheck.h"

std::optional<DecodedImage> ReadBitmapImage(const std::string& utf8Path, std::string* reason) {
    const auto bytes = ReadFileBytes(utf8Path, MAX_BITMAP_FILE_BYTES, reason);
    if (!bytes) return std::nullopt;
    return ReadBitmapBytes(*bytes, reason);
}

std::optional<DecodedImage> ReadBitmapBytes(std::span<const std::uint8_t> file,
                                            std::string* reason) {
    if (file.size() > MAX_BITMAP_FILE_BYTES) {
        if (reason) *reason = REASON_FILE_TOO_BIG;
        return std::nullopt;
    }
    const std::optional<BitmapLayout> layout = ReadBitmapLayout(file, reason);
    if (!layout || !CheckPixelData(file, *layout, reason)) return std::nullopt;
    std::optional<DecodedImage> image = DecodeBitmapBytes(file, reason);
    if (!image) return std::nullopt;
    if (image->width != layout->width || image->height != layout->rows) {
        if (reason) *reason = REASON_DECODED_SIZE_DIFFERS;
        return std::nullopt;
    }
    return image;
}
