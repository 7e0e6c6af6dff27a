#pragma once
// The menu's command ids. They run from 19004 to 19011 without gaps, but not
// in the order the menu shows them.

#include <cstdint>

constexpr std::uint32_t CmdSave = 19004;
constexpr std::uint32_t CmdModePan = 19005;
constexpr std::uint32_t CmdModeTransparent = 19006;
constexpr std::uint32_t CmdAbout = 19007;
constexpr std::uint32_t CmdModeRealColour = 19008;
constexpr std::uint32_t CmdSettings = 19009;
constexpr std::uint32_t CmdModeTransparentBlock = 19010;
constexpr std::uint32_t CmdModeRealColourBlock = 19011;
