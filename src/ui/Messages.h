#pragma once
// Message numbers, virtual-key codes and parameter packing, with the values
// the handlers are written against. The Qt layer translates its events into
// these; see docs/ARCHITECTURE.md for the table.

#include "ui/Types.h"

// Messages.
constexpr MessageId WM_SIZE = 0x0005;
constexpr MessageId WM_CLOSE = 0x0010;
constexpr MessageId WM_NCACTIVATE = 0x0086;
constexpr MessageId WM_KEYDOWN = 0x0100;
constexpr MessageId WM_INITDIALOG = 0x0110;
constexpr MessageId WM_COMMAND = 0x0111;
constexpr MessageId WM_SYSCOMMAND = 0x0112;
constexpr MessageId WM_MOUSEMOVE = 0x0200;
constexpr MessageId WM_LBUTTONDOWN = 0x0201;
constexpr MessageId WM_LBUTTONUP = 0x0202;
constexpr MessageId WM_MOUSEWHEEL = 0x020A;

// WM_SYSCOMMAND codes.
constexpr WParam SC_CLOSE = 0xF060;

// WM_SIZE types.
constexpr WParam SIZE_RESTORED = 0;
constexpr WParam SIZE_MINIMIZED = 1;
constexpr WParam SIZE_MAXIMIZED = 2;

// Mouse-key state bits carried in wParam of the mouse messages.
constexpr WParam MK_LBUTTON = 0x0001;
constexpr WParam MK_RBUTTON = 0x0002;
constexpr WParam MK_SHIFT = 0x0004;
constexpr WParam MK_CONTROL = 0x0008;
constexpr WParam MK_MBUTTON = 0x0010;

// Virtual-key codes. Letters and digits are their upper-case ASCII codes.
constexpr WParam VK_BACK = 0x08;
constexpr WParam VK_TAB = 0x09;
constexpr WParam VK_RETURN = 0x0D;
constexpr WParam VK_SHIFT = 0x10;
constexpr WParam VK_CONTROL = 0x11;
constexpr WParam VK_MENU = 0x12; // Alt
constexpr WParam VK_ESCAPE = 0x1B;
constexpr WParam VK_SPACE = 0x20;
constexpr WParam VK_PRIOR = 0x21; // Page Up
constexpr WParam VK_NEXT = 0x22;  // Page Down
constexpr WParam VK_END = 0x23;
constexpr WParam VK_HOME = 0x24;
constexpr WParam VK_LEFT = 0x25;
constexpr WParam VK_UP = 0x26;
constexpr WParam VK_RIGHT = 0x27;
constexpr WParam VK_DOWN = 0x28;
constexpr WParam VK_INSERT = 0x2D;
constexpr WParam VK_DELETE = 0x2E;
constexpr WParam VK_F1 = 0x70; // F2 to F12 follow it

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
