#include "settings/ReadNumber.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::int16_t OUT_OF_RANGE = -32768;

// Integer accumulators stop growing here: anything this large is out of
// range already, and a long run of digits must not overflow.
constexpr std::int64_t SATURATED_VALUE = 1'000'000;
constexpr std::int64_t SATURATED_EXPONENT = 1'000'000'000;

// Decimal magnitudes of more digits than this are 100000 or more.
constexpr std::int64_t MAX_INTEGER_DIGITS = 6;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of c as a digit of any radix up to 36, or 36 when it is none.
int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 36;
}

std::int16_t FromInteger(std::int64_t value) {
    if (value < -32768 || value > 32767) return OUT_OF_RANGE;
    return std::int16_t(value);
}

std::int16_t ReadRadixDigits(std::string_view digits, int radix) {
    std::int64_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= radix) break;
        value = std::min(value * radix + digit, SATURATED_VALUE);
    }
    return FromInteger(value);
}

// The text after the "&".
std::int16_t ReadRadixNumber(std::string_view text) {
    if (text.empty()) return 0;
    switch (text[0]) {
    case 'H':
    case 'h':
        return ReadRadixDigits(text.substr(1), 16);
    case 'B':
    case 'b':
        return ReadRadixDigits(text.substr(1), 2);
    case 'O':
    case 'o':
    case 'Q':
    case 'q':
        return ReadRadixDigits(text.substr(1), 8);
    default:
        return ReadRadixDigits(text, 8);
    }
}

// The decimal number at the start of text is digits x 10^scale with its sign;
// digits has no leading zeros, so it is empty exactly when the number is 0.
// The value is rounded from the digits themselves, never through a floating
// point number, so that 2.5000000000000001 rounds up and 2.5 does not.
std::int16_t ReadDecimal(std::string_view text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';

    std::string digits;
    std::int64_t scale = 0;
    bool anyDigit = false;
    auto take = [&](char c) {
        anyDigit = true;
        if (!digits.empty() || c != '0') digits.push_back(c);
    };
    while (at < text.size() && IsDigit(text[at]))
        take(text[at++]);
    if (at < text.size() && text[at] == '.') {
        for (++at; at < text.size() && IsDigit(text[at]); ++at) {
            take(text[at]);
            --scale;
        }
    }
    if (!anyDigit || digits.empty()) return 0;

    // An exponent counts only when at least one digit follows its letter and sign.
    if (at < text.size() && std::string_view("EeDd").find(text[at]) != std::string_view::npos) {
        std::size_t e = at + 1;
        bool negativeExponent = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            negativeExponent = text[e++] == '-';
        std::int64_t exponent = 0;
        for (; e < text.size() && IsDigit(text[e]); ++e) {
            exponent = std::min(exponent * 10 + (text[e] - '0'), SATURATED_EXPONENT);
        }
        scale += negativeExponent ? -exponent : exponent;
    }

    const std::int64_t length = std::int64_t(digits.size());
    const std::int64_t integerDigits = length + scale;
    if (integerDigits > MAX_INTEGER_DIGITS) return OUT_OF_RANGE;

    std::int64_t magnitude = 0;
    for (std::int64_t i = 0; i < integerDigits; ++i) {
        magnitude = magnitude * 10 + (i < length ? digits[std::size_t(i)] - '0' : 0);
    }
    // Below 0.1 (integerDigits < 0) the first fraction digit is an implied 0.
    if (integerDigits >= 0 && integerDigits < length) {
        const int firstFraction = digits[std::size_t(integerDigits)] - '0';
        const bool moreAfterIt =
            digits.find_first_not_of('0', std::size_t(integerDigits) + 1) != std::string::npos;
        const bool oddBelowTie = magnitude % 2 == 1;
        if (firstFraction > 5 || (firstFraction == 5 && (moreAfterIt || oddBelowTie))) ++magnitude;
    }
    return FromInteger(negative ? -magnitude : magnitude);
}

} // namespace

std::int16_t ReadNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    if (text.empty()) return 0;
    if (text.front() == '&') return ReadRadixNumber(text.substr(1));
    return ReadDecimal(text);
}
