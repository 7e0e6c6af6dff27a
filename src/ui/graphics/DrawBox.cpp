// Boxes: an outline one pixel wide round a filled interior, drawn as row fills.

#include "ui/graphics/BoxShape.h"
#include "ui/graphics/Coordinates.h"
#include "ui/graphics/FillPattern.h"
#include "ui/graphics/SurfaceRecord.h"

#include <algorithm>
#include <utility>

using namespace graphics;

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

    const Colour line = outline == DEFAULT_COLOUR ? target->foreground : outline & COLOUR_BITS;
    const bool filled = fill != NO_FILL;
    const Colour inside = fill == DEFAULT_COLOUR ? line : fill & COLOUR_BITS;
    const int style = FillStyleOf(fillStyle);
    const BoxShape shape(left, top, right, bottom, cornerPercent);
    const auto clipX = [width = target->width](int x) { return std::clamp(x, 0, width); };

    const int firstRow = std::max(top, 0);
    const int endRow = std::min(bottom, target->height);
    for (int y = firstRow; y < endRow; ++y) {
        const Span row = shape.span(y);
        if (y == top || y == bottom - 1) {
            FillSpan(*target, y, clipX(row.left), clipX(row.right), line, SOLID_FILL);
            continue;
        }
        // A pixel belongs to the outline when a neighbour in its row or in
        // the rows above and below lies outside the box.
        const Span above = shape.span(y - 1);
        const Span below = shape.span(y + 1);
        const int innerLeft = std::max({row.left + 1, above.left, below.left});
        const int innerRight = std::min({row.right - 1, above.right, below.right});
        if (innerLeft >= innerRight) {
            FillSpan(*target, y, clipX(row.left), clipX(row.right), line, SOLID_FILL);
            continue;
        }
        FillSpan(*target, y, clipX(row.left), clipX(innerLeft), line, SOLID_FILL);
        if (filled) FillSpan(*target, y, clipX(innerLeft), clipX(innerRight), inside, style);
        FillSpan(*target, y, clipX(innerRight), clipX(row.right), line, SOLID_FILL);
    }
    // Widened by a pixel on every side, as the outline of a pen may reach.
    MarkDrawn(*target, PixelRect{left - 1, top - 1, right + 1, bottom + 1});
}
