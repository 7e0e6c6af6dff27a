#pragma once
// Fill styles: 0 is solid; 1 to 6 are hatch patterns (horizontal, vertical,
// two diagonals, cross, diagonal cross) on an 8-pixel grid tied to the
// surface's origin, so neighbouring boxes line up. Hatch pixels take the fill
// colour, the others the surface's background colour, as an opaque brush does.
// The program only fills solidly; the patterns exist so that every style
// draws something sensible.

#include "ui/Types.h"
#include "ui/graphics/SurfaceRecord.h"

#include <algorithm>

namespace graphics {

constexpr int SOLID_FILL = 0;

inline int FillStyleOf(int style) {
    return style >= 1 && style <= 6 ? style : SOLID_FILL;
}

inline bool HatchInk(int style, int x, int y) {
    const bool horizontal = (y & 7) == 0;
    const bool vertical = (x & 7) == 0;
    const bool falling = ((x - y) & 7) == 0;
    const bool rising = ((x + y) & 7) == 0;
    switch (style) {
    case 1:
        return horizontal;
    case 2:
        return vertical;
    case 3:
        return falling;
    case 4:
        return rising;
    case 5:
        return horizontal || vertical;
    case 6:
        return falling || rising;
    default:
        return true;
    }
}

// Fills pixels left..right-1 of row y (already clipped) in the given style;
// the colour is given in the surface's layout.
inline void FillSpan(SurfaceRecord& surface, int y, int left, int right, Colour colour, int style) {
    if (left >= right) return;
    Colour* row = surface.row(y);
    if (style == SOLID_FILL) {
        std::fill(row + left, row + right, colour);
        return;
    }
    const Colour background = surface.kept(surface.background);
    for (int x = left; x < right; ++x) {
        row[x] = HatchInk(style, x, y) ? colour : background;
    }
}

} // namespace graphics
