#include "imagefile/BitmapWriter.h"

#include "files/FileReplace.h"
#include "files/Utf8Path.h"
#include "imagefile/BitmapEncoding.h"
#include "ui/graphics/Surfaces.h"

WriteResult WriteBitmapFile(const std::string& utf8FileName) {
    if (utf8FileName.empty()) return WriteResult{};
    const Handle target = CurrentSurface();
    int width = 0;
    int height = 0;
    const Colour* pixels = SurfacePixels(target, &width, &height);
    // A control may have an empty client area; a bitmap file cannot be empty.
    if (pixels == nullptr || width < 1 || height < 1) return WriteResult{};

    const std::vector<std::uint8_t> bytes = EncodeBitmapFile(pixels, width, height);
    const FileReplaceResult replaced =
        ReplaceFileContents(PathFromUtf8(utf8FileName), bytes.data(), bytes.size());
    if (replaced.written) return WriteResult{WriteOutcome::Written, {}};
    return WriteResult{WriteOutcome::Failed, replaced.reason};
}
