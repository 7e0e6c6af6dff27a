#pragma once
// The program lays its windows out and draws in pixels of its own. On a
// display scaled by 200 % or more, each becomes a square of device pixels,
// as many a side as the whole part of the scale, and the picture stays crisp:
// never smoothed, with no fractional widths. The factor is read once, when
// the services start; the program's manifest takes the scaling upon itself.

#include "ui/Backend.h"
#include "ui/win32/WindowsApi.h"

void SetUiScale(int scale);
int UiScale();

inline int ToDevice(int pixels) { return pixels * UiScale(); }
// Rounded down: a device pixel belongs to the program pixel it lies in.
inline int ToProgram(int device) {
    const int scale = UiScale();
    return device >= 0 ? device / scale : -((-device + scale - 1) / scale);
}
inline RECT DeviceRect(const BackendRect& r) {
    return RECT{ToDevice(r.x), ToDevice(r.y), ToDevice(r.x + r.width), ToDevice(r.y + r.height)};
}
inline BackendRect ProgramRect(const RECT& r) {
    const int left = ToProgram(r.left), top = ToProgram(r.top);
    return BackendRect{left, top, ToProgram(r.right) - left, ToProgram(r.bottom) - top};
}
