#pragma once
// Fonts named by small numbers. 1 is the dialogs' own font, "MS Sans Serif"
// 8 points (or the nearest face installed); NewFont hands out 4 and up.

#include "ui/Types.h"

#include <cstdint>
#include <string>

constexpr std::int32_t DIALOG_FONT = 1;
constexpr std::uint32_t FONT_BOLD = 1;
constexpr std::uint32_t FONT_ITALIC = 2;
constexpr std::uint32_t FONT_UNDERLINE = 4;
constexpr std::uint32_t FONT_STRIKEOUT = 8;

// Size 0 means 8 points. The face name is cut to 31 characters.
std::int32_t NewFont(const std::string& face, double points, std::uint32_t styleBits,
                     std::uint8_t charSet, std::uint8_t pitchAndFamily, std::int32_t angle);

// Gives one control the font (0 counts as 1).
void SetControlFont(Handle dialog, std::int32_t controlId, std::int32_t font);

// Releases the font's object unless a control still uses it; 0 to 3 are kept.
void EndFont(std::int32_t font);
