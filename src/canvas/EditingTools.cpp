#include "canvas/EditingTools.h"

#include "canvas/EditingState.h"
#include "canvas/PaperDrag.h"
#include "canvas/Rendering.h"
#include "ui/dialogs/VisibleArea.h"

#include <algorithm>

namespace {

bool RealColoursKept(const EditingState& state) {
    return state.ImageWidth >= 0 && state.ImageHeight >= 0 &&
           state.RealColours.size() ==
               std::size_t(state.ImageWidth) * std::size_t(state.ImageHeight);
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
                      colour == BlockColour::RealColours ? state.RealColourAt(c, r)
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

bool InsideVisibleCanvas(Handle canvas, int x, int y) {
    // Asked on every message: resizing the window moves the visible edges.
    return Contains(VisibleClientArea(canvas), x, y);
}

void ApplyToolAt(Handle canvas, int x, int y) {
    EditingState& state = Editing();
    if (!InsideVisibleCanvas(canvas, x, y) || !RealColoursKept(state)) return;
    const PointedPixel pointed = PointedPixelAt(x, y);
    if (!InsideImage(state, pointed)) return;
    const int i = int(pointed.i), j = int(pointed.j);
    switch (state.MouseMode) {
    case EditTransparent:
        PaintCell(i, j, state.TransparentColour);
        break;
    case EditRealColour:
        PaintCell(i, j, state.RealColourAt(i, j));
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
