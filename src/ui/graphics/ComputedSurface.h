#pragma once
// Computed surfaces: off-screen bitmaps that keep no pixels. Their owner
// supplies a rule that gives the colours of any span of a row, and every
// reading operation (GetSurfacePixel, ReadSurfaceArea, the copies from it)
// asks the rule. A surface that is a pure function of other data therefore
// costs no memory, and it changes exactly when that data does.
//
// Drawing on a computed surface (clears, pixels, boxes, copies onto it)
// changes none of its pixels: the owner changes what it shows by changing
// what its rule reads. It has no buffer, so SurfaceColours gives nullptr for it.

#include "ui/Types.h"

#include <functional>

// Writes the colours (0x00BBGGRR, top byte zero) of pixels x .. x + count - 1
// of row y to out[0 .. count - 1], and returns how many rows from y on hold
// the same colours over those columns (at least 1; a larger count lets a copy
// fill those rows from the one span). Called only with 0 <= y < height,
// 0 <= x, 1 <= count and x + count <= width.
using SurfaceRowRule = std::function<int(int y, int x, int count, Colour* out)>;

// A new computed surface of width x height whose pixels the rule gives; 0
// when a side is below 1 or too large, or there is no rule. Like any
// off-screen bitmap it is always deferred, and the current target is not
// changed.
Handle NewComputedSurface(int width, int height, SurfaceRowRule rule);
