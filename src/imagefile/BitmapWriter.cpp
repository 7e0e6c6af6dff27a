#include "imagefile/BitmapWriter.h"

#include "files/FileReplace.h"
#include "imagefile/BitmapEncoding.h"
#include "ui/graphics/Surfaces.h"

#include <vector>

WriteResult WriteBitmapFile(const std::string& utf8FileName) {
    if (utf8FileName.empty()) return WriteResult{};
    int width = 0;
    int height = 0;
    const Colour* pixels = SurfaceColours(CurrentSurface(), &width, &height);
    if (pixels == nullptr) return WriteResult{};

    const std::vector<std::uint8_t> bytes = EncodeBitmapFile(pixels, width, height);
    const FileReplaceResult replaced =
        ReplaceFileContents(utf8FileName, bytes.data(), bytes.size());
    if (replaced.written) return WriteResult{WriteOutcome::Written, {}};
    return WriteResult{WriteOutcome::Failed, replaced.reason};
}
