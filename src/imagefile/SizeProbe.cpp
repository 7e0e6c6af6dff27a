#include "imagefile/SizeProbe.h"

#include "imagefile/Utf8Path.h"

#include <array>
#include <fstream>
#include <limits>

namespace {

// Header fields the probe reads, as byte offsets into the file.
constexpr std::size_t HEADER_SIZE_OFFSET = 14;
constexpr std::size_t WIDTH_OFFSET = 18;
constexpr std::size_t CORE_HEIGHT_OFFSET = 20; // the old 12-byte core header
constexpr std::size_t HEIGHT_OFFSET = 22;
constexpr std::uint32_t CORE_HEADER_SIZE = 12;
constexpr std::size_t BYTES_NEEDED = HEIGHT_OFFSET + 4;

std::uint16_t ReadU16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

std::uint32_t ReadU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

ProbeResult Unreadable() { return ProbeResult{}; }

} // namespace

ProbeResult AdmitImageSize(std::int32_t width, std::int32_t height) {
    if (width < 1 || height == 0 || height == std::numeric_limits<std::int32_t>::min()) {
        return Unreadable();
    }
    const std::int32_t rows = height < 0 ? -height : height;
    if (width > MAX_IMAGE_SIDE || rows > MAX_IMAGE_SIDE) {
        return ProbeResult{Admission::TooLarge, width, rows};
    }
    return ProbeResult{Admission::Admitted, width, rows};
}

ProbeResult ProbeImageHeader(const std::uint8_t* bytes, std::size_t length) {
    if (length < HEADER_SIZE_OFFSET + 4) return Unreadable();
    if (ReadU32(bytes + HEADER_SIZE_OFFSET) == CORE_HEADER_SIZE) {
        if (length < CORE_HEIGHT_OFFSET + 2) return Unreadable();
        return AdmitImageSize(ReadU16(bytes + WIDTH_OFFSET), ReadU16(bytes + CORE_HEIGHT_OFFSET));
    }
    if (length < BYTES_NEEDED) return Unreadable();
    return AdmitImageSize(std::int32_t(ReadU32(bytes + WIDTH_OFFSET)),
                          std::int32_t(ReadU32(bytes + HEIGHT_OFFSET)));
}

ProbeResult ProbeImageFile(const std::string& utf8Path) {
    // An input stream opens read-only and never creates the file.
    std::ifstream file(PathFromUtf8(utf8Path), std::ios::binary);
    if (!file) return Unreadable();
    std::array<std::uint8_t, BYTES_NEEDED> head{};
    file.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
    const std::streamsize got = file.gcount();
    if (got <= 0) return Unreadable();
    return ProbeImageHeader(head.data(), std::size_t(got));
}
