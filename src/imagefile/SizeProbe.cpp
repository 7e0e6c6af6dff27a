#include "imagefile/SizeProbe.h"

#include "files/FileRead.h"
#include "imagefile/BitmapLimits.h"
#include "imagefile/ByteReader.h"

#include <cstdlib>

namespace {

// The probe reads the info header's size and then the width and the height:
// 4 bytes each, or the core header's 2 bytes for each side.
constexpr std::uint64_t SIZE_FIELDS_END = FILE_HEADER_BYTES + 3 * 4;

} // namespace

ProbeResult AdmitImageSize(std::int32_t width, std::int32_t height) {
    const std::int64_t rows = std::abs(std::int64_t(height));
    if (width > MAX_IMAGE_SIDE || rows > MAX_IMAGE_SIDE) return ProbeResult{Admission::TooLarge};
    if (width < 1 || rows == 0) return ProbeResult{Admission::Unreadable};
    return ProbeResult{Admission::Admitted, width, std::int32_t(rows)};
}

ProbeResult ProbeImageHeader(const std::uint8_t* bytes, std::size_t length) {
    ByteReader in({bytes, length});
    std::uint32_t headerSize = 0;
    if (!in.Seek(FILE_HEADER_BYTES) || !in.ReadU32(headerSize)) return ProbeResult{};
    if (headerSize == CORE_HEADER_BYTES) {
        std::uint16_t width = 0;
        std::uint16_t height = 0;
        if (!in.ReadU16(width) || !in.ReadU16(height)) return ProbeResult{};
        return AdmitImageSize(width, height);
    }
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!in.ReadI32(width) || !in.ReadI32(height)) return ProbeResult{};
    return AdmitImageSize(width, height);
}

ProbeResult ProbeImageFile(const std::string& utf8Path) {
    const FileReadResult head = ReadFileBounded(utf8Path, SIZE_FIELDS_END);
    if (head.status != FileReadStatus::Complete && head.status != FileReadStatus::Truncated) {
        return ProbeResult{};
    }
    return ProbeImageHeader(head.bytes.data(), head.bytes.size());
}
