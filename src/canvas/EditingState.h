#pragma once
// The fixed geometry of the editor: every image pixel is a cell of
// CELL_SIZE x CELL_SIZE paper pixels, so the 500-pixel limit makes a paper of
// ZOOM_SIZE pixels a side, seen through a VIEW_WIDTH x VIEW_HEIGHT canvas.

constexpr int CELL_SIZE = 10;
constexpr int ZOOM_SIZE = 5000;
constexpr int VIEW_WIDTH = 1200;
constexpr int VIEW_HEIGHT = 950;
