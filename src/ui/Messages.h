#pragma once
// Message numbers, virtual-key codes and parameter packing, with the values
// the handlers are written against. The Qt layer translates its events into
// these; see docs/ARCHITECTURE.md for the table.

#include "ui/Types.h"

// <windows.h> defines many of these names as macros, with the same values:
// each of ours stands back when that macro is already defined, so the two
// can be included together in either order (tests/unit/WindowsHeadersTest.cpp
// holds the values equal).

// Messages.
#ifndef WM_SIZE
constexpr MessageId WM_SIZE = 0x0005;
#endif
#ifndef WM_CLOSE
constexpr MessageId WM_CLOSE = 0x0010;
#endif
#ifndef WM_NCACTIVATE
constexpr MessageId WM_NCACTIVATE = 0x0086;
#endif
#ifndef WM_KEYDOWN
constexpr MessageId WM_KEYDOWN = 0x0100;
#endif
#ifndef WM_INITDIALOG
constexpr MessageId WM_INITDIALOG = 0x0110;
#endif
#ifndef WM_COMMAND
constexpr MessageId WM_COMMAND = 0x0111;
#endif
#ifndef WM_SYSCOMMAND
constexpr MessageId WM_SYSCOMMAND = 0x0112;
#endif
#ifndef WM_MOUSEMOVE
constexpr MessageId WM_MOUSEMOVE = 0x0200;
#endif
#ifndef WM_LBUTTONDOWN
constexpr MessageId WM_LBUTTONDOWN = 0x0201;
#endif
#ifndef WM_LBUTTONUP
constexpr MessageId WM_LBUTTONUP = 0x0202;
#endif
#ifndef WM_MOUSEWHEEL
constexpr MessageId WM_MOUSEWHEEL = 0x020A;
#endif

// WM_SYSCOMMAND codes.
#ifndef SC_CLOSE
constexpr WParam SC_CLOSE = 0xF060;
#endif

// WM_SIZE types.
#ifndef SIZE_RESTORED
constexpr WParam SIZE_RESTORED = 0;
#endif
#ifndef SIZE_MINIMIZED
constexpr WParam SIZE_MINIMIZED = 1;
#endif
#ifndef SIZE_MAXIMIZED
constexpr WParam SIZE_MAXIMIZED = 2;
#endif

// Mouse-key state bits carried in wParam of the mouse messages.
#ifndef MK_LBUTTON
constexpr WParam MK_LBUTTON = 0x0001;
#endif
#ifndef MK_RBUTTON
constexpr WParam MK_RBUTTON = 0x0002;
#endif
#ifndef MK_SHIFT
constexpr WParam MK_SHIFT = 0x0004;
#endif
#ifndef MK_CONTROL
constexpr WParam MK_CONTROL = 0x0008;
#endif
#ifndef MK_MBUTTON
constexpr WParam MK_MBUTTON = 0x0010;
#endif

// Virtual-key codes. Letters and digits are their upper-case ASCII codes.
#ifndef VK_BACK
constexpr WParam VK_BACK = 0x08;
#endif
#ifndef VK_TAB
constexpr WParam VK_TAB = 0x09;
#endif
#ifndef VK_RETURN
constexpr WParam VK_RETURN = 0x0D;
#endif
#ifndef VK_SHIFT
constexpr WParam VK_SHIFT = 0x10;
#endif
#ifndef VK_CONTROL
constexpr WParam VK_CONTROL = 0x11;
#endif
#ifndef VK_MENU
constexpr WParam VK_MENU = 0x12; // Alt
#endif
#ifndef VK_ESCAPE
constexpr WParam VK_ESCAPE = 0x1B;
#endif
#ifndef VK_SPACE
constexpr WParam VK_SPACE = 0x20;
#endif
#ifndef VK_PRIOR
constexpr WParam VK_PRIOR = 0x21; // Page Up
#endif
#ifndef VK_NEXT
constexpr WParam VK_NEXT = 0x22;  // Page Down
#endif
#ifndef VK_END
constexpr WParam VK_END = 0x23;
#endif
#ifndef VK_HOME
constexpr WParam VK_HOME = 0x24;
#endif
#ifndef VK_LEFT
constexpr WParam VK_LEFT = 0x25;
#endif
#ifndef VK_UP
constexpr WParam VK_UP = 0x26;
#endif
#ifndef VK_RIGHT
constexpr WParam VK_RIGHT = 0x27;
#endif
#ifndef VK_DOWN
constexpr WParam VK_DOWN = 0x28;
#endif
#ifndef VK_INSERT
constexpr WParam VK_INSERT = 0x2D;
#endif
#ifndef VK_DELETE
constexpr WParam VK_DELETE = 0x2E;
#endif
#ifndef VK_F1
constexpr WParam VK_F1 = 0x70; // F2 to F12 follow it
#endif

// Parameter packing.
constexpr std::uint16_t LoWord(std::uint32_t v) { return std::uint16_t(v & 0xFFFF); }
constexpr std::uint16_t HiWord(std::uint32_t v) { return std::uint16_t(v >> 16); }
constexpr std::uint32_t MakeLong(std::uint16_t low, std::uint16_t high) {
    return std::uint32_t(low) | (std::uint32_t(high) << 16);
}
constexpr LParam MakeLParam(int low, int high) {
    return LParam(MakeLong(std::uint16_t(low), std::uint16_t(high)));
}
constexpr WParam MakeWParam(int low, int high) {
    return MakeLong(std::uint16_t(low), std::uint16_t(high));
}

// Pointer positions are signed 16-bit values, so a point left of or above a
// control reads as negative rather than as a large number.
constexpr int XFromLParam(LParam lParam) { return std::int16_t(LoWord(std::uint32_t(lParam))); }
constexpr int YFromLParam(LParam lParam) { return std::int16_t(HiWord(std::uint32_t(lParam))); }

// The wheel's signed delta sits in the high word of wParam: positive is away
// from the user.
constexpr int WheelDeltaFromWParam(WParam wParam) { return std::int16_t(HiWord(wParam)); }
