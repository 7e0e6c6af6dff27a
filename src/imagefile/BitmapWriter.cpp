#include "imagefile/BitmapWriter.h"

#include "files/FileReplace.h"
#include "files/Utf8Path.h"
#include "imagefile/BitmapEncoding.h"
#include "ui/graphics/Surfaces.h"

#include <vector>

WriteResult WriteBitmapFile(const std::string& utf8FileName) {
    if (utf8FileName.empty()) return WriteResult{};
    const Handle target = CurrentSurface();
    int width = 0;
    int height = 0;
    // A control may have an empty client area; a bitmap file cannot be empty.
    if (!SurfaceSize(target, &width, &height) || width < 1 || height < 1) return WriteResult{};
    const Colour* pixels = SurfaceColours(target, &width, &height);
    // A surface kept in another layout (a control's) is read as colours.
    std::vector<Colour> read;
    if (pixels == nullptr) {
        read = ReadSurfaceArea(target, 0, 0, width, height);
        pixels = read.data();
    }

    const std::vector<std::uint8_t> bytes = EncodeBitmapFile(pixels, width, height);
    const FileReplaceResult replaced =
        ReplaceFileContents(PathFromUtf8(utf8FileName), bytes.data(), bytes.size());
    if (replaced.written) return WriteResult{WriteOutcome::Written, {}};
    return WriteResult{WriteOutcome::Failed, replaced.reason};
}
