#pragma once
// The four editing tools: the pointed image pixel, or the block whose top-left
// pixel it is, gets the transparent colour or its real colour, in ImageBitmap
// and on the paper, followed by one RefreshCanvas.

#include "ui/Types.h"

#include <cstdint>

// The image pixel under the canvas point (x, y) at the current view offset.
// The division truncates toward zero, so paper x from -9 to 9 all give column
// 0. 64 bits wide: a dragged offset may lie anywhere in the 32-bit range.
struct PointedPixel {
    std::int64_t i = 0;
    std::int64_t j = 0;
};
PointedPixel PointedPixelAt(int x, int y);

// True when (x, y) lies on the part of the canvas's client area that the main
// window shows now. The canvas is taller than what the window shows below its
// menu bar, and it keeps the pointer while the left button is held, so a
// stroke can reach rows the user cannot see: a tool paints nothing there.
bool InsideVisibleCanvas(Handle canvas, int x, int y);

// Applies the tool of the current MouseMode at the canvas point (x, y): if the
// point lies on the visible canvas and the pointed pixel inside the image, paints the
// pixel (or the block of BlockWidth x BlockHeight clipped to the image, empty
// when either is 0 or less) and refreshes the canvas once. Otherwise nothing
// is painted and nothing refreshed. Does nothing in "Mover papel" mode.
void ApplyToolAt(Handle canvas, int x, int y);
