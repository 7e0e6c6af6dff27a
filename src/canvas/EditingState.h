#pragma once
// The editor's working state: one program-wide instance, created at process
// start, shared by start-up, the main window, the canvas and the settings.

#include "ui/Types.h"

#include <cstdint>
#include <vector>

// Fixed geometry. Every image pixel is a cell of CELL_SIZE x CELL_SIZE paper
// pixels, so the 500-pixel limit makes a paper of ZOOM_SIZE pixels a side,
// seen through a VIEW_WIDTH x VIEW_HEIGHT canvas.
constexpr int CanvasControlId = 100;
constexpr int CELL_SIZE = 10;
constexpr int ZOOM_SIZE = 5000;
constexpr int VIEW_WIDTH = 1200;
constexpr int VIEW_HEIGHT = 950;

constexpr Colour GRID_COLOUR = 0x000000;
constexpr Colour BACKGROUND_COLOUR = 0xFFFFFF;
constexpr Colour CANVAS_FILL_COLOUR = 0xC0C0C0;
constexpr Colour TRANSPARENT_KEY_COLOUR = 0xFF00FF; // the value TransparentColour takes

// What the left button does on the canvas.
enum MouseModeValue : std::int32_t {
    MovePaper = 0,
    EditTransparent = 1,
    EditRealColour = 2,
    EditTransparentBlock = 3,
    EditRealColourBlock = 4,
};

// Something the mouse can drag. Item 0 stands for none; item 1 is the paper,
// whose (X, Y) is the view offset.
struct DragItem {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Dragging = 0;
};

constexpr int PAPER_ITEM = 1;

struct EditingState {
    // The image.
    std::int32_t ImageWidth = 0;
    std::int32_t ImageHeight = 0;
    Handle ImageBitmap = 0;

    // The main window, the paper and the canvas's own procedure.
    Handle MainWindow = 0;
    Handle ZoomBitmap = 0;
    WindowProc OldCanvasProc = nullptr;

    // Each image pixel's colour as loaded, which the real-colour tools put
    // back: ImageWidth x ImageHeight, row by row; see RealColourAt.
    std::vector<Colour> RealColours;
    std::vector<DragItem> DragItems;

    // Drag and button state.
    std::int16_t ActiveItem = 0;
    std::int32_t LastMouseX = 0;
    std::int32_t LastMouseY = 0;
    std::int32_t ButtonDown = 0;

    // Mode, block size and the key colour.
    std::int32_t MouseMode = MovePaper;
    std::int16_t BlockWidth = 0;
    std::int16_t BlockHeight = 0;
    Colour TransparentColour = 0;

    // The loaded colour of image pixel (i, j), for 0 <= i < ImageWidth and
    // 0 <= j < ImageHeight. Does not check its arguments.
    Colour RealColourAt(int i, int j) const {
        return RealColours[std::size_t(j) * std::size_t(ImageWidth) + std::size_t(i)];
    }
};

// The one program-wide instance.
EditingState& Editing();

// Puts every variable back to its value at process start (for tests).
void ResetEditingState();
