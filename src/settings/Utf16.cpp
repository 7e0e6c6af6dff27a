#include "settings/Utf16.h"

#include <cstdint>
#include <utility>

namespace {

constexpr char16_t REPLACEMENT = u'\uFFFD';

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

// How many bytes the sequence led by `lead` has, 0 for a byte that leads
// none (a continuation byte, an overlong two-byte lead, or beyond U+10FFFF).
int SequenceLength(unsigned lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return lead < 0xF5 ? 4 : 0;
}

// The range of the byte after `lead`: narrower for the leads whose full range
// would spell an overlong form, a surrogate or a point beyond U+10FFFF.
std::pair<unsigned, unsigned> SecondByteRange(unsigned lead) {
    if (lead == 0xE0) return {0xA0, 0xBF};
    if (lead == 0xED) return {0x80, 0x9F};
    if (lead == 0xF0) return {0x90, 0xBF};
    if (lead == 0xF4) return {0x80, 0x8F};
    return {0x80, 0xBF};
}

void AppendUtf16(std::u16string& out, char32_t point) {
    if (point < 0x10000) return void(out += char16_t(point));
    out += char16_t(0xD800 + ((point - 0x10000) >> 10));
    out += char16_t(0xDC00 + (point & 0x3FF));
}

void AppendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) return void(out += char(point));
    constexpr unsigned LEAD_MARKS[] = {0x00, 0xC0, 0xE0, 0xF0}; // by continuation bytes
    const int continuations = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
    out += char(LEAD_MARKS[continuations] | (point >> (6 * continuations)));
    for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6)
        out += char(0x80 | ((point >> shift) & 0x3F));
}

} // namespace

std::u16string Utf16FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto byte = [&](std::size_t i) {
            return i < utf8.size() ? std::uint8_t(utf8[i]) : 0u;
        };
        const unsigned lead = byte(at);
        const int length = SequenceLength(lead);
        const auto [low, high] = SecondByteRange(lead);
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        int taken = 1;
        for (; taken < length; ++taken) {
            const unsigned next = byte(at + taken);
            if (next < (taken == 1 ? low : 0x80) || next > (taken == 1 ? high : 0xBF)) break;
            point = point << 6 | (next & 0x3F);
        }
        // The well-formed part of a broken sequence stands for one replacement.
        if (taken < length || length == 0)
            out += REPLACEMENT;
        else
            AppendUtf16(out, point);
        at += std::size_t(taken);
    }
    return out;
}

std::string Utf8FromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        char32_t point = utf16[at];
        if (IsHighSurrogate(point) && at + 1 < utf16.size() && IsLowSurrogate(utf16[at + 1]))
            point = 0x10000 + ((point - 0xD800) << 10) + (utf16[++at] - 0xDC00);
        else if (IsHighSurrogate(point) || IsLowSurrogate(point))
            point = REPLACEMENT;
        AppendUtf8(out, point);
    }
    return out;
}
