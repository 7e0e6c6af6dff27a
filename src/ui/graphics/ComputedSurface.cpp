// Computed surfaces: records without pixels, read through their owner's rule.

#include "ui/graphics/ComputedSurface.h"

#include "ui/Handles.h"
#include "ui/graphics/SurfaceRecord.h"

#include <algorithm>
#include <utility>

namespace graphics {

int ComputedRow(const SurfaceRecord& surface, int y, int x, int count, Colour* out) {
    const int same = surface.rule(y, x, count, out);
    return std::clamp(same, 1, surface.height - y);
}

} // namespace graphics

Handle NewComputedSurface(int width, int height, SurfaceRowRule rule) {
    using graphics::MAX_SIDE;
    if (width < 1 || height < 1 || width > MAX_SIDE || height > MAX_SIDE || !rule) return 0;
    auto record = std::make_unique<graphics::SurfaceRecord>();
    record->handle = NewHandle();
    record->kind = SurfaceKind::OffscreenBitmap;
    record->width = width;
    record->height = height;
    record->deferred = true;
    record->rule = std::move(rule);
    const Handle handle = record->handle;
    graphics::AddSurface(std::move(record));
    return handle;
}
