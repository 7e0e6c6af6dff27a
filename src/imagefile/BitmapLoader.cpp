#include "imagefile/BitmapLoader.h"

#include "files/FileRead.h"
#include "imagefile/BitmapDecoder.h"
#include "imagefile/BitmapLayout.h"
#include "imagefile/BitmapLimits.h"
#include "imagefile/BitmapReasons.h"

namespace {

using Image = std::optional<DecodedImage>;

const char* ReadRefusal(FileReadStatus status) {
    switch (status) {
    case FileReadStatus::Truncated:
        return REASON_FILE_TOO_BIG;
    case FileReadStatus::Missing:
        return REASON_NO_SUCH_FILE;
    case FileReadStatus::NotAFile:
        return REASON_NOT_A_FILE;
    default:
        return REASON_CANNOT_READ;
    }
}

} // namespace

Image ReadBitmapImage(const std::string& utf8Path, std::string* reason) {
    // A file larger than any admitted image needs is refused without being read.
    const FileReadResult file =
        ReadFileBounded(utf8Path, MAX_BITMAP_FILE_BYTES, LongerFile::ReadNothing);
    if (file.status != FileReadStatus::Complete) {
        return Refuse<Image>(reason, ReadRefusal(file.status));
    }
    return ReadBitmapBytes(file.bytes, reason);
}

Image ReadBitmapBytes(std::span<const std::uint8_t> file, std::string* reason) {
    if (file.size() > MAX_BITMAP_FILE_BYTES) return Refuse<Image>(reason, REASON_FILE_TOO_BIG);
    const std::optional<BitmapLayout> layout = ReadBitmapLayout(file, reason);
    if (!layout) return std::nullopt;
    return DecodeBitmapPixels(file, *layout, reason);
}
