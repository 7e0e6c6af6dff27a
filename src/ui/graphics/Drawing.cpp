// Clearing a whole surface and single pixels.

#include "ui/graphics/Coordinates.h"
#include "ui/graphics/FillPattern.h"
#include "ui/graphics/SurfaceRecord.h"

using namespace graphics;

namespace graphics {

void SettlePixels(SurfaceRecord& surface) {
    if (!surface.fillPending) return;
    surface.fillPending = false;
    // The rows are contiguous: one fill covers the whole surface.
    std::fill_n(surface.pixels.get(), std::size_t(surface.width) * surface.height,
                surface.pendingFill);
}

} // namespace graphics

void ClearSurface(Colour colour, int fillStyle) {
    SurfaceRecord* target = Target();
    if (target == nullptr) return;
    if (colour != NO_FILL && !target->computed()) {
        const Colour fill =
            target->kept(colour == DEFAULT_COLOUR ? target->background : colour & COLOUR_BITS);
        const int style = FillStyleOf(fillStyle);
        target->fillPending = true;
        target->pendingFill = fill;
        // A control's buffer may be on screen at any moment: it is filled now.
        if (style != SOLID_FILL || target->kind == SurfaceKind::GraphicControl) {
            SettlePixels(*target);
        }
        if (style != SOLID_FILL) {
            for (int y = 0; y < target->height; ++y) {
                FillSpan(*target, y, 0, target->width, fill, style);
            }
        }
    }
    MarkAllDrawn(*target);
}

void SetSurfacePixel(double x, double y, Colour colour) {
    SurfaceRecord* target = Target();
    if (target == nullptr) return;
    const int px = PixelCoordinate(x);
    const int py = PixelCoordinate(y);
    const Colour ink =
        target->kept(colour == DEFAULT_COLOUR ? target->foreground : colour & COLOUR_BITS);
    if (target->contains(px, py) && !target->computed()) {
        SettlePixels(*target);
        target->row(py)[px] = ink;
    }
    MarkDrawn(*target, PixelRect{px, py, px + 1, py + 1});
}

Colour GetSurfacePixel(double x, double y) {
    const SurfaceRecord* target = Target();
    if (target == nullptr) return CLR_INVALID;
    const int px = PixelCoordinate(x);
    const int py = PixelCoordinate(y);
    if (!target->contains(px, py)) return CLR_INVALID;
    if (target->computed()) {
        Colour colour = 0;
        ComputedRow(*target, py, px, 1, &colour);
        return colour;
    }
    return target->colourOf(target->fillPending ? target->pendingFill : target->row(py)[px]);
}
