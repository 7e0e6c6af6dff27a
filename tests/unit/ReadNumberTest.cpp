#include "settings/ReadNumber.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

struct NumberCase {
    std::string text;
    std::int16_t expected;
};

void PrintTo(const NumberCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.text);
}

class ReadNumberRule : public testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumberRule, ReadsTheBlockDimension) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(ReadNumber(c.text), c.expected) << "text " << testing::PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, ReadNumberRule,
                         testing::Values(NumberCase{"", 0}, NumberCase{"7", 7},
                                         NumberCase{"2.5", 2}, NumberCase{"3.5", 4},
                                         NumberCase{"7abc", 7}, NumberCase{"abc", 0},
                                         NumberCase{"40000", -32768}, NumberCase{"-5", -5},
                                         NumberCase{" 3", 3}, NumberCase{"-0", 0},
                                         NumberCase{"007", 7}, NumberCase{"1,5", 1},
                                         NumberCase{"12 34", 12}, NumberCase{"12  ", 12},
                                         NumberCase{"5\0"s + "7", 5}, NumberCase{"\0"s + "5", 0}));

INSTANTIATE_TEST_SUITE_P(
    Blanks, ReadNumberRule,
    testing::Values(NumberCase{" \t\r\n", 0}, NumberCase{"  \t\r\n 12", 12}, NumberCase{"\t-9", -9},
                    NumberCase{"\n&H10", 16},
                    // Only spaces, tabs, carriage returns and line feeds are blanks.
                    NumberCase{"\v5", 0}, NumberCase{"\f5", 0}, NumberCase{"\xA0"s + "5", 0}));

INSTANTIATE_TEST_SUITE_P(Signs, ReadNumberRule,
                         testing::Values(NumberCase{"+8", 8}, NumberCase{"- 5", 0},
                                         NumberCase{"--5", 0}, NumberCase{"+-5", 0},
                                         NumberCase{"-", 0}, NumberCase{"+", 0}, NumberCase{".", 0},
                                         NumberCase{"-.6", -1}, NumberCase{"5.", 5},
                                         NumberCase{".51", 1}, NumberCase{"-&H5", 0}));

INSTANTIATE_TEST_SUITE_P(
    TiesToEven, ReadNumberRule,
    testing::Values(NumberCase{"0.5", 0}, NumberCase{"1.5", 2}, NumberCase{".5", 0},
                    NumberCase{"4.5", 4}, NumberCase{"5.5", 6}, NumberCase{"-0.5", 0},
                    NumberCase{"-1.5", -2}, NumberCase{"-2.5", -2}, NumberCase{"-3.5", -4},
                    NumberCase{"2.50000000000000000000", 2}, NumberCase{"2.5000000000000001", 3},
                    NumberCase{"2.4999999999999999", 2}, NumberCase{"-2.5000000000000001", -3},
                    NumberCase{"0.49999999999999999", 0}, NumberCase{"2.6", 3},
                    NumberCase{"-2.6", -3}, NumberCase{"0.05", 0}));

INSTANTIATE_TEST_SUITE_P(
    Exponents, ReadNumberRule,
    testing::Values(NumberCase{"1e3", 1000}, NumberCase{"1E3", 1000}, NumberCase{"1d3", 1000},
                    NumberCase{"1D+2", 100}, NumberCase{"25e-1", 2}, NumberCase{"35E-1", 4},
                    NumberCase{"1.5e1", 15}, NumberCase{".5e1", 5}, NumberCase{"3.2767e4", 32767},
                    NumberCase{"1e4", 10000}, NumberCase{"1e5", -32768}, NumberCase{"5e-400", 0},
                    NumberCase{"0e999999999", 0}, NumberCase{"1e99999999999999999999", -32768},
                    NumberCase{"1e-99999999999999999999", 0},
                    // A letter without digits after it is no exponent: reading stops before it.
                    NumberCase{"1e", 1}, NumberCase{"1e+", 1}, NumberCase{"1e-", 1},
                    NumberCase{"2ex", 2}, NumberCase{"7f3", 7}, NumberCase{"e3", 0}));

INSTANTIATE_TEST_SUITE_P(
    Radix, ReadNumberRule,
    testing::Values(
        NumberCase{"&H1F", 31}, NumberCase{"&h1f", 31}, NumberCase{"&H7FFF", 32767},
        NumberCase{"&H8000", -32768}, NumberCase{"&HFFFF", -32768}, NumberCase{"&B101", 5},
        NumberCase{"&b2", 0}, NumberCase{"&B111111111111111", 32767}, NumberCase{"&O17", 15},
        NumberCase{"&o17", 15}, NumberCase{"&Q17", 15}, NumberCase{"&q7", 7},
        // Any other character after "&" is the first octal digit.
        NumberCase{"&17", 15}, NumberCase{"&77777", 32767}, NumberCase{"&100000", -32768},
        NumberCase{"&8", 0}, NumberCase{"&Z5", 0}, NumberCase{"&", 0}, NumberCase{"&H", 0},
        NumberCase{"&O", 0}, NumberCase{"&HG", 0}, NumberCase{"&H10.5", 16}, NumberCase{"&H-1", 0},
        NumberCase{"&H0000000000000000000001", 1}, NumberCase{"&H1000000000000000000", -32768}));

INSTANTIATE_TEST_SUITE_P(
    SixteenBitRange, ReadNumberRule,
    testing::Values(NumberCase{"32767", 32767}, NumberCase{"32767.4", 32767},
                    NumberCase{"32767.5", -32768}, NumberCase{"32766.5", 32766},
                    NumberCase{"32768", -32768}, NumberCase{"-32768", -32768},
                    NumberCase{"-32767", -32767}, NumberCase{"-32767.5", -32768},
                    NumberCase{"-32768.5", -32768}, NumberCase{"-32769", -32768},
                    NumberCase{"65539", -32768}, NumberCase{"99999999999999999999", -32768},
                    NumberCase{"0000000000000000000000000000000012", 12}, NumberCase{"0.000", 0}));

TEST(ReadNumber, CopesWithAVeryLongRunOfDigits) {
    EXPECT_EQ(ReadNumber(std::string(1'000'000, '9')), -32768);
    EXPECT_EQ(ReadNumber("0." + std::string(1'000'000, '9')), 1);
    EXPECT_EQ(ReadNumber(std::string(1'000'000, '0') + "42"), 42);
    EXPECT_EQ(ReadNumber("&H" + std::string(1'000'000, 'F')), -32768);
}

} // namespace
