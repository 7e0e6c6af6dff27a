#include "settings/IniText.h"

#include "settings/SettingsFile.h"

namespace {

constexpr std::string_view UTF8_BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// One line: its content [start, contentEnd), without the line feed and a
// carriage return before it, and its ending [contentEnd, end).
struct Line {
    std::size_t start = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
};

// Walks the lines of a text without copying them.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : m_text(text) {}
    bool next(Line& line) {
        if (m_at >= m_text.size()) return false;
        line.start = m_at;
        const std::size_t feed = m_text.find('\n', m_at);
        line.end = feed == std::string_view::npos ? m_text.size() : feed + 1;
        line.contentEnd = feed == std::string_view::npos ? m_text.size() : feed;
        if (line.contentEnd > line.start && m_text[line.contentEnd - 1] == '\r') --line.contentEnd;
        m_at = line.end;
        return true;
    }

  private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

std::string_view ContentOf(std::string_view text, const Line& line) {
    std::string_view content = text.substr(line.start, line.contentEnd - line.start);
    if (line.start == 0 && content.starts_with(UTF8_BYTE_ORDER_MARK)) {
        content.remove_prefix(UTF8_BYTE_ORDER_MARK.size());
    }
    return Trim(content);
}

// The name of a section line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view content) {
    if (!content.starts_with('[')) return std::nullopt;
    content.remove_prefix(1);
    return Trim(content.substr(0, content.find(']')));
}

struct KeyLocation {
    bool sectionFound = false;
    bool keyFound = false;
    Line keyLine;
    std::size_t keyValueStart = 0; // just after the "=" of the key's line
    std::size_t insertAt = 0;      // after the last non-blank line of the first matching section
};

KeyLocation Locate(std::string_view text, std::string_view section, std::string_view key) {
    KeyLocation found;
    bool inMatchingSection = false;
    bool inFirstMatchingSection = false;
    LineCursor cursor(text);
    for (Line line; cursor.next(line);) {
        const std::string_view content = ContentOf(text, line);
        if (const auto name = SectionName(content)) {
            inMatchingSection = SameName(*name, section);
            inFirstMatchingSection = inMatchingSection && !found.sectionFound;
            if (inFirstMatchingSection) found.insertAt = line.end;
            found.sectionFound = found.sectionFound || inMatchingSection;
            continue;
        }
        if (inFirstMatchingSection && !content.empty()) found.insertAt = line.end;
        const std::size_t equals = content.find('=');
        if (!inMatchingSection || equals == std::string_view::npos) continue;
        if (SameName(Trim(content.substr(0, equals)), key)) {
            found.keyFound = true;
            found.keyLine = line;
            found.keyValueStart = std::size_t(content.data() - text.data()) + equals + 1;
            return found;
        }
    }
    return found;
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string_view LineEndingOf(std::string_view text) {
    const std::size_t feed = text.find('\n');
    if (feed == std::string_view::npos) return SETTINGS_NEW_LINE;
    return feed > 0 && text[feed - 1] == '\r' ? "\r\n" : "\n";
}

} // namespace

std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
    const KeyLocation found = Locate(text, section, key);
    if (!found.keyFound) return std::nullopt;
    const std::string_view value =
        text.substr(found.keyValueStart, found.keyLine.contentEnd - found.keyValueStart);
    return std::string(Unquoted(Trim(value)));
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    const KeyLocation found = Locate(text, section, key);
    const std::string_view ending = LineEndingOf(text);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    std::string result;
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
    if (!found.sectionFound) result.append("[").append(section).append("]").append(ending);
    result.append(keyLine).append(ending);
    result.append(text.substr(at));
    return result;
}
