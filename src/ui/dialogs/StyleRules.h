#pragma once
// The rules that turn the styles and positions a program asks for into the
// ones its windows get: the same for every backend. Internal to src/ui.

#include <cstdint>
#include <optional>

struct BackendRect;

// A dialog's style: 0 takes the default; the font, no-fail and 3D bits are
// always on; visible and system-modal never; centred adds DS_CENTER; a child
// style without an owner becomes a pop-up.
std::uint32_t NormaliseDialogStyle(std::uint32_t style, bool centred, bool owned);

// A control's style: 0 takes the kind's default (a text box also gets a
// sunken edge in its extended style); child and visible are always on, and a
// graphic control is always owner-drawn.
std::uint32_t NormaliseControlStyle(std::int32_t kind, std::uint32_t style,
                                    std::uint32_t* extendedStyle);

// The top-left corner of a window of that size centred on the work area, never
// left of or above the screen's origin; the origin without a work area.
void CentredOnWorkArea(const std::optional<BackendRect>& workArea, int width, int height,
                       int* x, int* y);
