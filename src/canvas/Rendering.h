#pragma once
// The canvas and the pictures it shows. The paper (ZoomBitmap, canvas/Paper.h)
// shows the image magnified CELL_SIZE times on a black grid; each refresh
// composes the part of it that the view offset selects and copies that into
// the canvas.

#include "ui/Types.h"

#include <cstdint>

// Adds the canvas to the main window, subclasses it with CanvasProc, builds
// Cells and draws the whole image onto the paper. Shows nothing by itself.
void CreateCanvas(std::int32_t width, std::int32_t height);

// Clears an off-screen bitmap to white and leaves it the drawing target.
void ClearToWhite(Handle bitmap);

// Draws the paper into ViewBitmap with its top-left pixel at (x, y); leaves
// ViewBitmap the drawing target.
void ComposeView(std::int32_t x, std::int32_t y);

// Rebuilds the view at the current view offset and shows it in the canvas;
// leaves the canvas the drawing target.
void RefreshCanvas();

// The first view after initialisation: ViewBitmap is already white.
void ShowFirstView();

// Draws the square of image pixel (i, j) on the current target.
void DrawCellSquare(std::int32_t i, std::int32_t j, Colour colour);

// Gives image pixel (i, j) the colour on the paper and in the image; does
// not refresh.
void PaintCell(std::int32_t i, std::int32_t j, Colour colour);
