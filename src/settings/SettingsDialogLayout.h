#pragma once
// The settings dialog's controls and layout, in dialog units; its texts are
// in SettingsTexts.h.

#include "ui/dialogs/Styles.h"

#include <cstdint>

constexpr const char* SETTINGS_FONT_FACE = "MS Sans Serif";
constexpr double SETTINGS_FONT_POINTS = 10;

constexpr std::int32_t SizeCaptionLabel = 17001;
constexpr std::int32_t WidthLabel = 17002;
constexpr std::int32_t WidthField = 17003;
constexpr std::int32_t HeightLabel = 17004;
constexpr std::int32_t HeightField = 17005;
constexpr std::int32_t ExitButton = 17006;

// Visible child, tab stop, digits only, centred text, with a border.
constexpr std::uint32_t FIELD_STYLE =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_CENTER;
constexpr std::uint32_t FIELD_EXTENDED_STYLE = WS_EX_CLIENTEDGE;

struct ControlLayout {
    std::int32_t id;
    std::int32_t kind;
    const char* text;
    std::int32_t x, y, width, height;
    std::uint32_t style;
    std::uint32_t extendedStyle;
};
