#include "imagefile/FileBytes.h"

#include "imagefile/BitmapReasons.h"
#include "imagefile/Utf8Path.h"

#include <filesystem>
#include <fstream>

namespace {

std::optional<std::vector<std::uint8_t>> Refuse(std::string* reason, const char* text) {
    if (reason) *reason = text;
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::uint8_t>>
ReadFileBytes(const std::string& utf8Path, std::uint64_t maxBytes, std::string* reason) {
    const std::filesystem::path path = PathFromUtf8(utf8Path);
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(path, error).type();
    if (type == std::filesystem::file_type::not_found) return Refuse(reason, REASON_NO_SUCH_FILE);
    if (type != std::filesystem::file_type::regular) {
        return Refuse(reason, error ? REASON_CANNOT_OPEN : REASON_NOT_A_FILE);
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return Refuse(reason, REASON_CANNOT_OPEN);
    if (size > maxBytes) return Refuse(reason, REASON_FILE_TOO_BIG);

    std::ifstream file(path, std::ios::binary);
    if (!file) return Refuse(reason, REASON_CANNOT_OPEN);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    // A file cut while it was being read is refused rather than half read.
    if (std::uint64_t(file.gcount()) != size) return Refuse(reason, REASON_READ_FAILED);
    return bytes;
}
