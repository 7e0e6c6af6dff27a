// Boxes: an outline one pixel wide round a filled interior, drawn as row fills.

#include "ui/graphics/BoxShape.h"
#include "ui/graphics/Coordinates.h"
#include "ui/graphics/FillPattern.h"
#include "ui/graphics/SurfaceRecord.h"

#include <algorithm>
#include <utility>

using namespace graphics;

namespace {

// The colours in the target's layout.
struct BoxInk {
    Colour line;
    bool filled;
    Colour inside;
    int style;
};

// The box the editor draws all the time: square corners. The clipped columns
// are worked out once; each row is then one fill, or two pixels and a fill.
void DrawSquareBox(SurfaceRecord& target, int left, int top, int right, int bottom,
                   const BoxInk& ink) {
    const int firstColumn = std::max(left, 0);
    const int endColumn = std::min(right, target.width);
    if (firstColumn >= endColumn) return;
    const bool leftVisible = left >= 0;
    const bool rightVisible = right <= target.width;
    const int innerLeft = std::max(left + 1, 0);
    const int innerRight = std::min(right - 1, target.width);
    const bool interior = ink.filled && innerLeft < innerRight;

    const int endRow = std::min(bottom, target.height);
    for (int y = std::max(top, 0); y < endRow; ++y) {
        if (y == top || y == bottom - 1) {
            FillSpan(target, y, firstColumn, endColumn, ink.line, SOLID_FILL);
            continue;
        }
        Colour* row = target.row(y);
        if (leftVisible) row[left] = ink.line;
        if (rightVisible) row[right - 1] = ink.line;
        if (interior) FillSpan(target, y, innerLeft, innerRight, ink.inside, ink.style);
    }
}

// Any box, row by row from its shape: used for rounded corners.
void DrawShapedBox(SurfaceRecord& target, const BoxShape& shape, int top, int bottom,
                   const BoxInk& ink) {
    const auto clipX = [width = target.width](int x) { return std::clamp(x, 0, width); };
    const int endRow = std::min(bottom, target.height);
    for (int y = std::max(top, 0); y < endRow; ++y) {
        const Span row = shape.span(y);
        if (y == top || y == bottom - 1) {
            FillSpan(target, y, clipX(row.left), clipX(row.right), ink.line, SOLID_FILL);
            continue;
        }
        // A pixel belongs to the outline when a neighbour in its row or in
        // the rows above and below lies outside the box.
        const Span above = shape.span(y - 1);
        const Span below = shape.span(y + 1);
        const int innerLeft = std::max({row.left + 1, above.left, below.left});
        const int innerRight = std::min({row.right - 1, above.right, below.right});
        if (innerLeft >= innerRight) {
            FillSpan(target, y, clipX(row.left), clipX(row.right), ink.line, SOLID_FILL);
            continue;
        }
        FillSpan(target, y, clipX(row.left), clipX(innerLeft), ink.line, SOLID_FILL);
        if (ink.filled) {
            FillSpan(target, y, clipX(innerLeft), clipX(innerRight), ink.inside, ink.style);
        }
        FillSpan(target, y, clipX(innerRight), clipX(row.right), ink.line, SOLID_FILL);
    }
}

} // namespace

void DrawBox(double x1, double y1, double x2, double y2, int cornerPercent, Colour outline,
             Colour fill, int fillStyle) {
    SurfaceRecord* target = Target();
    if (target == nullptr) return;
    int left = PixelCoordinate(x1);
    int top = PixelCoordinate(y1);
    int right = PixelCoordinate(x2);
    int bottom = PixelCoordinate(y2);
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (left == right || top == bottom) return;

    BoxInk ink;
    ink.line = target->kept(outline == DEFAULT_COLOUR ? target->foreground : outline & COLOUR_BITS);
    ink.filled = fill != NO_FILL;
    ink.inside = fill == DEFAULT_COLOUR ? ink.line : target->kept(fill & COLOUR_BITS);
    ink.style = FillStyleOf(fillStyle);
    const BoxShape shape(left, top, right, bottom, cornerPercent);
    SettlePixels(*target);
    if (target->computed()) {
        // Its pixels follow its rule alone.
    } else if (shape.square()) {
        DrawSquareBox(*target, left, top, right, bottom, ink);
    } else {
        DrawShapedBox(*target, shape, top, bottom, ink);
    }
    // Widened by a pixel on every side, as the outline of a pen may reach.
    MarkDrawn(*target, PixelRect{left - 1, top - 1, right + 1, bottom + 1});
}
