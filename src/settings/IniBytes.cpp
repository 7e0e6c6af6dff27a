#include "settings/IniBytes.h"

#include "settings/IniText.h"
#include "settings/Utf16.h"

#include <cstdint>

namespace {

constexpr std::string_view UTF16LE_BYTE_ORDER_MARK = "\xFF\xFE";

// A UTF-16LE file's code units after its mark, and its odd last byte if any.
struct Utf16File {
    std::u16string units;
    std::string_view oddByte;
};

std::optional<Utf16File> AsUtf16(std::string_view bytes) {
    if (!bytes.starts_with(UTF16LE_BYTE_ORDER_MARK)) return std::nullopt;
    bytes.remove_prefix(UTF16LE_BYTE_ORDER_MARK.size());
    Utf16File file;
    file.units.resize(bytes.size() / 2);
    for (std::size_t i = 0; i < file.units.size(); ++i)
        file.units[i] = char16_t(std::uint8_t(bytes[2 * i]) | std::uint8_t(bytes[2 * i + 1]) << 8);
    file.oddByte = bytes.substr(2 * file.units.size());
    return file;
}

std::string BytesOf(const Utf16File& file) {
    std::string bytes(UTF16LE_BYTE_ORDER_MARK);
    bytes.reserve(bytes.size() + 2 * file.units.size() + file.oddByte.size());
    for (const char16_t unit : file.units)
        bytes.append({char(unit & 0xFF), char(unit >> 8)});
    return bytes.append(file.oddByte);
}

} // namespace

std::optional<std::string> FindIniValueInBytes(std::string_view bytes, std::string_view section,
                                               std::string_view key) {
    const std::optional<Utf16File> file = AsUtf16(bytes);
    if (!file) return FindIniValue(bytes, section, key);
    const auto value = FindIniValue(file->units, Utf16FromUtf8(section), Utf16FromUtf8(key));
    if (!value) return std::nullopt;
    return Utf8FromUtf16(*value);
}

std::string SetIniValueInBytes(std::string_view bytes, std::string_view section,
                               std::string_view key, std::string_view value) {
    std::optional<Utf16File> file = AsUtf16(bytes);
    if (!file) return SetIniValue(bytes, section, key, value);
    file->units =
        SetIniValue(file->units, Utf16FromUtf8(section), Utf16FromUtf8(key), Utf16FromUtf8(value));
    return BytesOf(*file);
}

std::string_view WholeIniLines(std::string_view bytes) {
    if (const std::optional<Utf16File> file = AsUtf16(bytes)) {
        const std::size_t feed = file->units.rfind(u'\n');
        return bytes.substr(0, UTF16LE_BYTE_ORDER_MARK.size() +
                                   (feed == std::u16string::npos ? 0 : 2 * (feed + 1)));
    }
    const std::size_t feed = bytes.rfind('\n');
    return bytes.substr(0, feed == std::string_view::npos ? 0 : feed + 1);
}
