#pragma once
// A little-endian reader over bytes already in memory. Every read first checks
// what is left, so no value is ever taken from beyond the end; a read that
// does not fit fails and leaves both the position and the target unchanged.

#include <cstddef>
#include <cstdint>
#include <span>

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::uint64_t Size() const { return m_bytes.size(); }
    std::uint64_t Remaining() const { return Size() - m_position; }

    // Moves to an absolute offset; the end itself is a valid position.
    bool Seek(std::uint64_t offset);
    bool Skip(std::uint64_t count);
    // The next `count` bytes as they are, then moves past them.
    bool Take(std::uint64_t count, std::span<const std::uint8_t>& bytes);

    bool ReadU8(std::uint8_t& value);
    bool ReadU16(std::uint16_t& value);
    bool ReadU32(std::uint32_t& value);
    bool ReadI32(std::int32_t& value);

  private:
    // The unsigned little-endian value of the next `width` bytes (1 to 4).
    bool ReadLE(int width, std::uint32_t& value);

    std::span<const std::uint8_t> m_bytes;
    std::uint64_t m_position = 0;
};
