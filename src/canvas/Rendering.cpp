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
constexpr std::uint32_t CANVAS_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_NOTIFY;
constexpr std::uint32_t PLAIN_COPY = 0x00CC0020;
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

bool CreateCanvas(std::int32_t width, std::int32_t height) {
    EditingState& state = Editing();
    AddControl(state.MainWindow, CanvasControlId, KIND_GRAPHIC, "", 0, 0, VIEW_WIDTH, VIEW_HEIGHT,
               CANVAS_STYLE, 0);
    const Handle canvas = GetControlHandle(state.MainWindow, CanvasControlId);
    if (!SurfaceSize(canvas, nullptr, nullptr)) return false;
    AttachSurface(state.MainWindow, CanvasControlId, true);
    ClearSurface(CANVAS_FILL_COLOUR, SOLID);
    state.OldCanvasProc = SubclassControl(canvas, CanvasProc);

    if (width < 0 || height < 0) return true;
    lastComposed.reset();

    // The image's pixels are read straight from its buffer: the same colours
    // as reading each pixel through the drawing target, without two target
    // changes per pixel.
    int imageWidth = 0, imageHeight = 0;
    const Colour* image = SurfaceColours(state.ImageBitmap, &imageWidth, &imageHeight);
    state.RealColours.assign(std::size_t(width) * std::size_t(height), CLR_INVALID);
    for (std::int32_t j = 0; j < height && image != nullptr && j < imageHeight; ++j) {
        const Colour* row = image + std::size_t(j) * std::size_t(imageWidth);
        std::copy_n(row, std::min(width, imageWidth),
                    state.RealColours.begin() + std::ptrdiff_t(j) * width);
    }
    // The paper works its squares out from the image whenever it is read, so
    // they need no drawing here; from now on it shows them.
    PutCellsOnPaper(width, height);
    return true;
}

void RefreshCanvas() {
    // The view is the paper at the view offset over white, composed straight
    // into the canvas in one pass: white where the paper does not reach, the
    // paper copied where it does.
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
    // The paper's square is read from the image's pixel, so setting the pixel
    // changes both.
    lastComposed.reset(); // the next refresh shows a changed paper
    AttachSurface(Editing().ImageBitmap, 0, false);
    SetSurfacePixel(i, j, colour);
}
