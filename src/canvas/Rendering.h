#pragma once
// The canvas and the picture it shows. The paper (ZoomBitmap, canvas/Paper.h)
// shows the image magnified CELL_SIZE times on a black grid; each refresh
// composes the part of it that the view offset selects straight into the
// canvas.

#include "ui/Types.h"

#include <cstdint>

// Adds the canvas to the main window, subclasses it with CanvasProc, keeps
// the image's colours as loaded (RealColours) and puts the image's squares on
// the paper. Shows nothing by itself. False, with nothing else done, when the
// canvas or its drawing surface could not be made.
bool CreateCanvas(std::int32_t width, std::int32_t height);

// Composes the view at the current view offset in the canvas and shows it;
// leaves the canvas the drawing target.
void RefreshCanvas();

// Gives image pixel (i, j) the colour in the image, and so on the paper; does
// not refresh.
void PaintCell(std::int32_t i, std::int32_t j, Colour colour);
