#include "settings/BoundedRead.h"

#include "imagefile/Utf8Path.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {
constexpr std::size_t READ_CHUNK_SIZE = 16 * 1024;
}

FileReadResult ReadFileBounded(const std::string& utf8Path, std::size_t limit) {
    namespace fs = std::filesystem;
    const fs::path path = PathFromUtf8(utf8Path);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return {FileReadStatus::Missing, {}};
    if (error || status.type() != fs::file_type::regular) return {FileReadStatus::Unreadable, {}};

    std::ifstream in(path, std::ios::binary);
    if (!in) return {FileReadStatus::Unreadable, {}};
    // Read in chunks, so a small file costs little whatever the limit; one
    // byte more than the limit tells a file of exactly the limit from a longer one.
    std::string bytes;
    char chunk[READ_CHUNK_SIZE];
    while (bytes.size() <= limit && in) {
        in.read(chunk, std::streamsize(std::min(sizeof chunk, limit + 1 - bytes.size())));
        bytes.append(chunk, std::size_t(in.gcount()));
    }
    if (in.bad()) return {FileReadStatus::Unreadable, {}};
    if (bytes.size() > limit) {
        bytes.resize(limit);
        return {FileReadStatus::Truncated, std::move(bytes)};
    }
    return {FileReadStatus::Complete, std::move(bytes)};
}
