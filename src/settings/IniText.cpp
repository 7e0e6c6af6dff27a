#include "settings/IniText.h"

#include "settings/SettingsFile.h"

#include <type_traits>

// Every function works alike on 8-bit text and on UTF-16 code units (C being
// char or char16_t): the names, "=", the brackets, quotes, blanks and line
// endings are all ASCII, and every other unit is copied as it stands, so a
// surrogate without its partner is kept like any other.
namespace {

template <class C> using View = std::basic_string_view<C>;
template <class C> using Text = std::basic_string<C>;

constexpr std::string_view UTF8_BYTE_ORDER_MARK = "\xEF\xBB\xBF";

template <class C> Text<C> Ascii(std::string_view ascii) {
    return Text<C>(ascii.begin(), ascii.end());
}

// One line: its content [start, contentEnd), without the line feed and a
// carriage return before it, and its ending [contentEnd, end).
struct Line {
    std::size_t start = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
};

// Walks the lines of a text without copying them.
template <class C> class LineCursor {
  public:
    explicit LineCursor(View<C> text) : m_text(text) {}
    bool next(Line& line) {
        if (m_at >= m_text.size()) return false;
        line.start = m_at;
        const std::size_t feed = m_text.find(C('\n'), m_at);
        line.end = feed == View<C>::npos ? m_text.size() : feed + 1;
        line.contentEnd = feed == View<C>::npos ? m_text.size() : feed;
        if (line.contentEnd > line.start && m_text[line.contentEnd - 1] == '\r') --line.contentEnd;
        m_at = line.end;
        return true;
    }

  private:
    View<C> m_text;
    std::size_t m_at = 0;
};

template <class C> bool IsBlank(C c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

template <class C> View<C> Trim(View<C> s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

template <class C> C LowerAscii(C c) {
    return c >= 'A' && c <= 'Z' ? C(c - 'A' + 'a') : c;
}

template <class C> bool SameName(View<C> a, View<C> b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// UTF-16 text comes without its byte order mark (IniBytes.h); 8-bit text may
// begin with the UTF-8 one.
template <class C> View<C> ContentOf(View<C> text, const Line& line) {
    View<C> content = text.substr(line.start, line.contentEnd - line.start);
    if constexpr (std::is_same_v<C, char>) {
        if (line.start == 0 && content.starts_with(UTF8_BYTE_ORDER_MARK))
            content.remove_prefix(UTF8_BYTE_ORDER_MARK.size());
    }
    return Trim(content);
}

// The name of a section line, or nothing for any other line.
template <class C> std::optional<View<C>> SectionName(View<C> content) {
    if (!content.starts_with(C('['))) return std::nullopt;
    content.remove_prefix(1);
    return Trim(content.substr(0, content.find(C(']'))));
}

struct KeyLocation {
    bool sectionFound = false;
    bool keyFound = false;
    Line keyLine;
    std::size_t keyValueStart = 0; // just after the "=" of the key's line
    std::size_t insertAt = 0;      // after the last non-blank line of the first matching section
};

template <class C> KeyLocation Locate(View<C> text, View<C> section, View<C> key) {
    KeyLocation found;
    bool inMatchingSection = false;
    bool inFirstMatchingSection = false;
    LineCursor<C> cursor(text);
    for (Line line; cursor.next(line);) {
        const View<C> content = ContentOf(text, line);
        if (const auto name = SectionName(content)) {
            inMatchingSection = SameName(*name, section);
            inFirstMatchingSection = inMatchingSection && !found.sectionFound;
            if (inFirstMatchingSection) found.insertAt = line.end;
            found.sectionFound = found.sectionFound || inMatchingSection;
            continue;
        }
        if (inFirstMatchingSection && !content.empty()) found.insertAt = line.end;
        const std::size_t equals = content.find(C('='));
        if (!inMatchingSection || equals == View<C>::npos) continue;
        if (SameName(Trim(content.substr(0, equals)), key)) {
            found.keyFound = true;
            found.keyLine = line;
            found.keyValueStart = std::size_t(content.data() - text.data()) + equals + 1;
            return found;
        }
    }
    return found;
}

template <class C> View<C> Unquoted(View<C> value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

template <class C> Text<C> LineEndingOf(View<C> text) {
    const std::size_t feed = text.find(C('\n'));
    if (feed == View<C>::npos) return Ascii<C>(SETTINGS_NEW_LINE);
    return Ascii<C>(feed > 0 && text[feed - 1] == '\r' ? "\r\n" : "\n");
}

template <class C> std::optional<Text<C>> FindValue(View<C> text, View<C> section, View<C> key) {
    const KeyLocation found = Locate(text, section, key);
    if (!found.keyFound) return std::nullopt;
    const View<C> value =
        text.substr(found.keyValueStart, found.keyLine.contentEnd - found.keyValueStart);
    return Text<C>(Unquoted(Trim(value)));
}

template <class C> Text<C> SetValue(View<C> text, View<C> section, View<C> key, View<C> value) {
    const KeyLocation found = Locate(text, section, key);
    const Text<C> ending = LineEndingOf(text);
    const Text<C> keyLine = Text<C>(key) + C('=') + Text<C>(value);
    Text<C> result;
    result.reserve(text.size() + keyLine.size() + section.size() + 8);
    if (found.keyFound) {
        result.append(text.substr(0, found.keyLine.start)).append(keyLine);
        result.append(text.substr(found.keyLine.contentEnd));
        return result;
    }
    // A line without an ending can only be the last one; it gets one before
    // anything is added after it.
    const std::size_t at = found.sectionFound ? found.insertAt : text.size();
    result.append(text.substr(0, at));
    if (at > 0 && text[at - 1] != '\n') result.append(ending);
    if (!found.sectionFound)
        result.append(1, C('[')).append(section).append(1, C(']')).append(ending);
    result.append(keyLine).append(ending);
    result.append(text.substr(at));
    return result;
}

} // namespace

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
    return FindValue(text, section, key);
}

std::optional<std::u16string> FindIniValue(std::u16string_view text, std::u16string_view section,
                                           std::u16string_view key) {
    return FindValue(text, section, key);
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    return SetValue(text, section, key, value);
}

std::u16string SetIniValue(std::u16string_view text, std::u16string_view section,
                           std::u16string_view key, std::u16string_view value) {
    return SetValue(text, section, key, value);
}
