#include "canvas/EditingTools.h"

#include "canvas/EditingState.h"
#include "canvas/PaperDrag.h"
#include "canvas/Rendering.h"
#include "ui/graphics/Surfaces.h"

#include <algorithm>

namespace {

bool CellsBuilt(const EditingState& state) {
    return state.ImageWidth >= 0 && state.ImageHeight >= 0 &&
           state.Cells.size() ==
               std::size_t(state.ImageWidth + 1) * std::size_t(state.ImageHeight + 1);
}

bool InsideImage(const EditingState& state, const PointedPixel& pixel) {
    return 0 <= pixel.i && pixel.i < state.ImageWidth && 0 <= pixel.j &&
           pixel.j < state.ImageHeight;
}

enum class BlockColour { Transparent, RealColours };

// The block whose top-left pixel is (i, j), clipped to the image's right and
// bottom edges; with a pointed pixel inside the image nothing lies left of or
// above it. Rows top to bottom, each left to right.
void PaintBlock(EditingState& state, int i, int j, BlockColour colour) {
    const int right = std::min(i + int(state.BlockWidth), int(state.ImageWidth));
    const int bottom = std::min(j + int(state.BlockHeight), int(state.ImageHeight));
    for (int r = j; r < bottom; ++r) {
        for (int c = i; c < right; ++c) {
            PaintCell(c, r,
                      colour == BlockColour::RealColours ? state.CellAt(c, r).RealColour
                                                         : state.TransparentColour);
        }
    }
}

} // namespace

PointedPixel PointedPixelAt(int x, int y) {
    const DragItem* paper = PaperItem();
    const std::int64_t ox = paper ? paper->X : 0, oy = paper ? paper->Y : 0;
    return PointedPixel{(x - ox) / CELL_SIZE, (y - oy) / CELL_SIZE};
}

bool InsideCanvasClientArea(Handle canvas, int x, int y) {
    int width = VIEW_WIDTH - 2, height = VIEW_HEIGHT - 2; // inside the one-pixel border
    SurfaceSize(canvas, &width, &height);
    return 0 <= x && x < width && 0 <= y && y < height;
}

void ApplyToolAt(Handle canvas, int x, int y) {
    EditingState& state = Editing();
    if (!InsideCanvasClientArea(canvas, x, y) || !CellsBuilt(state)) return;
    const PointedPixel pointed = PointedPixelAt(x, y);
    if (!InsideImage(state, pointed)) return;
    const int i = int(pointed.i), j = int(pointed.j);
    switch (state.MouseMode) {
    case EditTransparent:
        PaintCell(i, j, state.TransparentColour);
        break;
    case EditRealColour:
        PaintCell(i, j, state.CellAt(i, j).RealColour);
        break;
    case EditTransparentBlock:
        PaintBlock(state, i, j, BlockColour::Transparent);
        break;
    case EditRealColourBlock:
        PaintBlock(state, i, j, BlockColour::RealColours);
        break;
    default:
        return;
    }
    RefreshCanvas();
}
