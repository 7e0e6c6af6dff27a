// The paper's pixels as a function of the image. Paper pixel (px, py) with
// px <= CELL_SIZE * W and py <= CELL_SIZE * H is black on a grid line (px or
// py a multiple of CELL_SIZE) and otherwise the colour of image pixel
// (px / CELL_SIZE, py / CELL_SIZE); everything else is white. These are the
// pixels that drawing every cell's square onto a white paper gives.

#include "canvas/Paper.h"

#include "canvas/EditingState.h"
#include "ui/graphics/ComputedSurface.h"
#include "ui/graphics/Surfaces.h"

#include <algorithm>

namespace {

// How many image pixels across and down have their squares on the paper.
std::int32_t cellColumns = 0;
std::int32_t cellRows = 0;

// The colour of row j's cells, read from the image row once per span. A cell
// beyond the image (which start-up never lets happen) is black, as a square
// drawn with no colour of its own would be.
struct ImageRow {
    const Colour* pixels = nullptr;
    int width = 0;
    ImageRow(int j) {
        int height = 0;
        const Colour* image = SurfaceColours(Editing().ImageBitmap, &width, &height);
        if (image != nullptr && j < height) pixels = image + std::size_t(j) * std::size_t(width);
    }
    Colour at(int i) const { return pixels != nullptr && i < width ? pixels[i] : GRID_COLOUR; }
};

int PaperRow(int y, int x, int count, Colour* out) {
    const int lastLine = CELL_SIZE * cellRows; // the bottom grid line; white below it
    if (cellColumns <= 0 || cellRows <= 0 || y > lastLine) {
        std::fill_n(out, count, BACKGROUND_COLOUR);
        return ZOOM_SIZE - y;
    }
    // The grid reaches to the right grid line, column CELL_SIZE * W, inclusive.
    const int end = x + count;
    const int gridEnd = std::min(end, CELL_SIZE * cellColumns + 1);
    Colour* to = out;
    int px = x;
    if (y % CELL_SIZE == 0) {
        to = std::fill_n(to, std::max(gridEnd - px, 0), GRID_COLOUR);
        std::fill(to, out + count, BACKGROUND_COLOUR);
        return 1;
    }
    const ImageRow image(y / CELL_SIZE);
    const auto pixel = [&image](int column) {
        return column % CELL_SIZE == 0 ? GRID_COLOUR : image.at(column / CELL_SIZE);
    };
    // A cell cut by the span's left end, then whole cells, each a grid pixel and
    // CELL_SIZE - 1 of its colour (a fixed count the compiler unrolls), then the
    // cut cell at the right end.
    for (; px < gridEnd && px % CELL_SIZE != 0; ++px)
        *to++ = pixel(px);
    for (; px + CELL_SIZE <= gridEnd; px += CELL_SIZE, to += CELL_SIZE) {
        const Colour colour = image.at(px / CELL_SIZE);
        to[0] = GRID_COLOUR;
        for (int k = 1; k < CELL_SIZE; ++k)
            to[k] = colour;
    }
    for (; px < gridEnd; ++px)
        *to++ = pixel(px);
    std::fill(to, out + count, BACKGROUND_COLOUR);
    // The rows down to the next grid line are the same.
    return CELL_SIZE - y % CELL_SIZE;
}

} // namespace

Handle NewPaperSurface() {
    cellColumns = 0;
    cellRows = 0;
    return NewComputedSurface(ZOOM_SIZE, ZOOM_SIZE, PaperRow);
}

void PutCellsOnPaper(std::int32_t width, std::int32_t height) {
    // Squares past the paper's side would show nothing.
    cellColumns = std::clamp(width, 0, ZOOM_SIZE);
    cellRows = std::clamp(height, 0, ZOOM_SIZE);
}
