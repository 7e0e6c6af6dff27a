#pragma once
// Reads a whole file into memory, up to a size limit checked before reading.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Opens the file read-only (never creating it). Gives nothing, with the reason,
// for a name that is not a regular file, a file above `maxBytes`, or a read
// that stops short.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& utf8Path,
                                                       std::uint64_t maxBytes, std::string* reason);
