#pragma once
// The paper (ZoomBitmap): the image magnified CELL_SIZE times on a black grid,
// ZOOM_SIZE pixels square. It keeps no pixels of its own: every pixel is
// worked out from ImageBitmap when it is read, so an edit of the image is on
// the paper at once and the paper costs no memory.

#include "ui/Types.h"

#include <cstdint>

// A new paper, white all over until cells are put on it.
Handle NewPaperSurface();

// Puts the squares of the image's first width x height pixels on the paper:
// each a black outline round the pixel's colour, white beyond them.
void PutCellsOnPaper(std::int32_t width, std::int32_t height);
