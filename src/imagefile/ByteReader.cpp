#include "imagefile/ByteReader.h"

bool ByteReader::Seek(std::uint64_t offset) {
    if (offset > Size()) return false;
    m_position = offset;
    return true;
}

bool ByteReader::Skip(std::uint64_t count) {
    if (count > Remaining()) return false;
    m_position += count;
    return true;
}

bool ByteReader::Take(std::uint64_t count, std::span<const std::uint8_t>& bytes) {
    if (count > Remaining()) return false;
    bytes = m_bytes.subspan(std::size_t(m_position), std::size_t(count));
    m_position += count;
    return true;
}

bool ByteReader::ReadLE(int width, std::uint32_t& value) {
    if (std::uint64_t(width) > Remaining()) return false;
    std::uint32_t result = 0;
    for (int i = 0; i < width; ++i) {
        result |= std::uint32_t(m_bytes[std::size_t(m_position) + std::size_t(i)]) << (8 * i);
    }
    m_position += std::uint64_t(width);
    value = result;
    return true;
}

bool ByteReader::ReadU8(std::uint8_t& value) {
    std::uint32_t wide = 0;
    if (!ReadLE(1, wide)) return false;
    value = std::uint8_t(wide);
    return true;
}

bool ByteReader::ReadU16(std::uint16_t& value) {
    std::uint32_t wide = 0;
    if (!ReadLE(2, wide)) return false;
    value = std::uint16_t(wide);
    return true;
}

bool ByteReader::ReadU32(std::uint32_t& value) {
    return ReadLE(4, value);
}

bool ByteReader::ReadI32(std::int32_t& value) {
    std::uint32_t wide = 0;
    if (!ReadLE(4, wide)) return false;
    value = std::int32_t(wide); // two's complement, defined since C++20
    return true;
}
