#pragma once
// The sizes a bitmap file is checked against before anything is decoded.
// Sizes are compared as 64-bit values, so no product of header fields can wrap.

#include <cstdint>

// Comfortably above any file of an admitted image (500 x 500 at 32 bits is
// under 1 MiB plus headers); a larger file is refused without being read.
constexpr std::uint64_t MAX_BITMAP_FILE_BYTES = std::uint64_t(64) << 20;

constexpr std::uint64_t FILE_HEADER_BYTES = 14;

// The info header sizes the reader understands.
constexpr std::uint32_t CORE_HEADER_BYTES = 12; // 16-bit sizes, 3-byte palette entries
constexpr std::uint32_t INFO_HEADER_BYTES = 40;
constexpr std::uint32_t OS2_HEADER_BYTES = 64;
constexpr std::uint32_t V4_HEADER_BYTES = 108; // carries its own bit-field masks
constexpr std::uint32_t V5_HEADER_BYTES = 124;

// Red, green and blue masks following a header shorter than V4_HEADER_BYTES.
constexpr std::uint64_t BIT_FIELD_MASKS_BYTES = 12;

constexpr std::uint32_t MAX_PALETTE_ENTRIES = 256;
constexpr std::uint64_t CORE_PALETTE_ENTRY_BYTES = 3;
constexpr std::uint64_t PALETTE_ENTRY_BYTES = 4;

// Compression codes of the info header.
constexpr std::uint32_t COMPRESSION_NONE = 0;
constexpr std::uint32_t COMPRESSION_RLE8 = 1;
constexpr std::uint32_t COMPRESSION_RLE4 = 2;
constexpr std::uint32_t COMPRESSION_BIT_FIELDS = 3;
