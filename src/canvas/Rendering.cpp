#include "canvas/Rendering.h"

#include "canvas/CanvasInput.h"
#include "canvas/EditingState.h"
#include "canvas/Paper.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include <algorithm>
#include <optional>

namespace {

// Child, visible, a one-pixel border, and the notify bit without which the
// control would let mouse input through to its parent.
constexpr std::uint32_t CANVAS_STYLE = 0x50800100;
constexpr std::uint32_t PLAIN_COPY = 0x00CC0020;
constexpr std::uint32_t MIX_AND = 9;
constexpr int SOLID = 0;

// The paper item of DragItems: its X and Y are the view offset.
const DragItem& Paper() {
    return Editing().DragItems.at(PAPER_ITEM);
}

// The view offset the canvas was last composed at, while the paper has not
// changed since: a refresh at another offset is then a pan, which the screen
// can show by moving what it shows.
struct ComposedAt {
    std::int64_t x = 0;
    std::int64_t y = 0;
};
std::optional<ComposedAt> lastComposed;

// White over [x1, x2) x [y1, y2) of the current target, when that is not empty.
void FillWhite(int x1, int y1, int x2, int y2) {
    if (x1 < x2 && y1 < y2) DrawBox(x1, y1, x2, y2, 0, BACKGROUND_COLOUR, BACKGROUND_COLOUR, SOLID);
}

} // namespace

void DrawCellSquare(std::int32_t i, std::int32_t j, Colour colour) {
    const PixelCell& cell = Editing().CellAt(i, j);
    DrawBox(cell.Left, cell.Top, cell.Right, cell.Bottom, 0, GRID_COLOUR, colour, SOLID);
}

void CreateCanvas(std::int32_t width, std::int32_t height) {
    EditingState& state = Editing();
    AddControl(state.MainWindow, CanvasControlId, KIND_GRAPHIC, "", 0, 0, VIEW_WIDTH, VIEW_HEIGHT,
               CANVAS_STYLE, 0);
    AttachSurface(state.MainWindow, CanvasControlId, true);
    ClearSurface(CANVAS_FILL_COLOUR, SOLID);
    state.OldCanvasProc =
        SubclassControl(GetControlHandle(state.MainWindow, CanvasControlId), CanvasProc);

    if (width < 0 || height < 0) return;
    state.Cells.assign(std::size_t(width + 1) * std::size_t(height + 1), PixelCell{});
    lastComposed.reset();

    // The image's pixels are read straight from its buffer: the same colours
    // as reading each pixel through the drawing target, without two target
    // changes per cell.
    int imageWidth = 0, imageHeight = 0;
    const Colour* image = SurfaceColours(state.ImageBitmap, &imageWidth, &imageHeight);
    for (std::int32_t j = 0; j < height; ++j) {
        for (std::int32_t i = 0; i < width; ++i) {
            PixelCell& cell = state.CellAt(i, j);
            cell.Left = CELL_SIZE * i;
            cell.Top = CELL_SIZE * j;
            cell.Right = CELL_SIZE * i + CELL_SIZE + 1;
            cell.Bottom = CELL_SIZE * j + CELL_SIZE + 1;
            const bool inside = image && i < imageWidth && j < imageHeight;
            const Colour colour =
                inside ? image[std::size_t(j) * std::size_t(imageWidth) + std::size_t(i)]
                       : CLR_INVALID;
            cell.RealColour = colour;
        }
    }
    // The paper works its squares out from the image whenever it is read, so
    // they need no drawing here; from now on it shows them.
    PutCellsOnPaper(width, height);
}

void ClearToWhite(Handle bitmap) {
    AttachSurface(bitmap, 0, false);
    ClearSurface(BACKGROUND_COLOUR, SOLID);
}

void ComposeView(std::int32_t x, std::int32_t y) {
    AttachSurface(Editing().ViewBitmap, 0, false);
    CopySurfaceAt(Editing().ZoomBitmap, 0, x, y, MIX_AND);
    RedrawSurface();
}

void ShowFirstView() {
    // The first view is the refresh without its clear of ViewBitmap, and the
    // refresh composes straight into the canvas: the same pixels on the
    // canvas, one paint, and ViewBitmap stays white, its memory untouched.
    RefreshCanvas();
}

void RefreshCanvas() {
    // The view is the paper at the view offset over white. Composing it
    // straight into the canvas gives the canvas exactly the pixels that
    // clearing ViewBitmap, ANDing the paper into it and copying it over would,
    // in one pass over the canvas instead of three; ViewBitmap is not needed.
    const EditingState& state = Editing();
    const Handle canvas = GetControlHandle(state.MainWindow, CanvasControlId);
    int width = 0, height = 0;
    if (!SurfaceSize(canvas, &width, &height)) return;
    AttachSurface(state.MainWindow, CanvasControlId, true);

    const std::int64_t x = Paper().X, y = Paper().Y;
    const auto clampTo = [](std::int64_t v, int limit) {
        return int(std::clamp<std::int64_t>(v, 0, limit));
    };
    const int left = clampTo(x, width), right = clampTo(x + ZOOM_SIZE, width);
    const int top = clampTo(y, height), bottom = clampTo(y + ZOOM_SIZE, height);
    if (left >= right || top >= bottom) {
        ClearSurface(BACKGROUND_COLOUR, SOLID);
    } else {
        FillWhite(0, 0, width, top);
        FillWhite(0, bottom, width, height);
        FillWhite(0, top, left, bottom);
        FillWhite(right, top, width, bottom);
        CopySurfaceAt(state.ZoomBitmap, 0, double(x), double(y), PLAIN_COPY);
    }
    AttachSurface(state.MainWindow, CanvasControlId, false);
    // Everywhere the old view reaches, the new one is the old moved by the
    // change of offset: the same paper at another place.
    if (lastComposed && (lastComposed->x != x || lastComposed->y != y)) {
        RedrawSurfaceMoved(int(std::clamp<std::int64_t>(x - lastComposed->x, -width, width)),
                           int(std::clamp<std::int64_t>(y - lastComposed->y, -height, height)));
    } else {
        RedrawSurface();
    }
    lastComposed = ComposedAt{x, y};
}

void PaintCell(std::int32_t i, std::int32_t j, Colour colour) {
    const EditingState& state = Editing();
    // The paper's square follows the image's pixel, which is set below, so
    // both change in this one call; drawing the square on the paper, whose
    // pixels come from the image alone, changes nothing there.
    lastComposed.reset(); // the next refresh shows a changed paper
    AttachSurface(state.ZoomBitmap, 0, false);
    DrawCellSquare(i, j, colour);
    AttachSurface(state.ImageBitmap, 0, false);
    SetSurfacePixel(i, j, colour);
}
