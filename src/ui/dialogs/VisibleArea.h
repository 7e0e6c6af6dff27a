#pragma once
// How much of a control its dialog shows. A control may be larger than the
// dialog's client area (the menu bar takes its height from that area), and a
// control that holds the pointer still gets messages from beyond what the
// user can see.

#include "ui/Types.h"

#include <cstdint>

// A rectangle in client coordinates; right and bottom lie just outside it.
struct ClientRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The part of the control's client area (inside its border) that its dialog's
// client area shows now, in the control's client coordinates. Taken from the
// window as it is at the call, so a resized window or a taller menu bar counts
// at once. All zero when nothing of it shows or the handle names no control.
ClientRect VisibleClientArea(Handle control);

// True when (x, y) lies inside the rectangle.
constexpr bool Contains(const ClientRect& r, std::int32_t x, std::int32_t y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}
