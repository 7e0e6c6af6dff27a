#pragma once
// The vocabulary that the program's subsystems share with the window and
// drawing services: 32-bit handles, colours in the 0x00BBGGRR layout, and the
// message-handler form. Nothing here depends on Qt.

#include <cstdint>

// CLR_INVALID stands back when <windows.h>'s macro of that name and value is
// already defined, so the two can be included together in either order.

// Names a dialog, a control, a menu or a drawing surface. 0 names nothing.
using Handle = std::uint32_t;

// Message parameters and results are 32 bits wide, as the handlers expect.
using MessageId = std::uint32_t;
using WParam = std::uint32_t;
using LParam = std::int32_t;
using LResult = std::int32_t;

// A message handler: (window, message, wParam, lParam). A nonzero result means
// "handled"; the program's own handlers return 0 so the default handling follows.
using WindowProc = LResult (*)(Handle window, MessageId message, WParam wParam, LParam lParam);

// A colour in the 0x00BBGGRR layout: red in the low byte, the top byte zero.
using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour(red) | (Colour(green) << 8) | (Colour(blue) << 16);
}
constexpr std::uint8_t RedOf(Colour c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GreenOf(Colour c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Colour c) { return std::uint8_t((c >> 16) & 0xFF); }

// In the drawing services these two colour values have a meaning of their own.
constexpr Colour DEFAULT_COLOUR = 0xFFFFFFFF; // -1: the surface's default colour
constexpr Colour NO_FILL = 0xFFFFFFFE;        // -2: leave the interior untouched
#ifndef CLR_INVALID
constexpr Colour CLR_INVALID = 0xFFFFFFFF;    // what a pixel read outside a surface gives
#endif
