// The bounded little-endian reader: values, and reads that do not fit.

#include "imagefile/ByteReader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<std::uint8_t> BYTES = {0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0xFF, 0xFF};

TEST(ByteReader, ReadsLittleEndianValues) {
    ByteReader in(BYTES);
    std::uint8_t u8 = 0;
    std::uint16_t u16 = 0;
    std::uint32_t u32 = 0;
    std::int32_t i32 = 0;
    ASSERT_TRUE(in.ReadU8(u8));
    EXPECT_EQ(u8, 0x01);
    ASSERT_TRUE(in.ReadU16(u16));
    EXPECT_EQ(u16, 0x0302);
    ASSERT_TRUE(in.Seek(0));
    ASSERT_TRUE(in.ReadU32(u32));
    EXPECT_EQ(u32, 0x04030201u);
    ASSERT_TRUE(in.ReadI32(i32));
    EXPECT_EQ(i32, -2);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ByteReader, AReadThatDoesNotFitChangesNothing) {
    ByteReader in(BYTES);
    ASSERT_TRUE(in.Seek(6));
    std::uint32_t value = 0xABCD;
    EXPECT_FALSE(in.ReadU32(value));
    EXPECT_EQ(value, 0xABCDu);
    EXPECT_EQ(in.Position(), 6u);
    std::uint16_t last = 0;
    EXPECT_TRUE(in.ReadU16(last));
    EXPECT_EQ(last, 0xFFFF);
    std::uint8_t none = 7;
    EXPECT_FALSE(in.ReadU8(none));
    EXPECT_EQ(none, 7);
}

TEST(ByteReader, SeeksAndSkipsOnlyWithinTheBytes) {
    ByteReader in(BYTES);
    EXPECT_TRUE(in.Seek(8)); // the end itself
    EXPECT_FALSE(in.Seek(9));
    EXPECT_FALSE(in.Seek(0xFFFFFFFFFFFFFFFFull));
    EXPECT_EQ(in.Position(), 8u);
    ASSERT_TRUE(in.Seek(2));
    EXPECT_FALSE(in.Skip(7));
    EXPECT_FALSE(in.Skip(0xFFFFFFFFFFFFFFFFull)); // would wrap in 64 bits
    EXPECT_TRUE(in.Skip(6));
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ByteReader, ReadsNothingFromNoBytes) {
    ByteReader in(std::span<const std::uint8_t>{});
    std::uint8_t value = 0;
    EXPECT_FALSE(in.ReadU8(value));
    EXPECT_TRUE(in.Seek(0));
    EXPECT_TRUE(in.Skip(0));
}

} // namespace
