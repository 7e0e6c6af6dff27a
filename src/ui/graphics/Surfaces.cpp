#include "ui/graphics/Surfaces.h"

#include "ui/Handles.h"
#include "ui/graphics/SurfaceRecord.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

using graphics::PixelRect;
using graphics::SurfaceRecord;

namespace {

using graphics::MAX_SIDE;
// A stored surface's buffer stays within half a gigabyte (4 bytes a pixel).
constexpr std::int64_t MAX_PIXELS = std::int64_t(1) << 27;

std::unordered_map<Handle, std::unique_ptr<SurfaceRecord>> registry;
bool controlRegistered = false;

// The target is kept per thread. Resetting bumps the generation, so a target
// remembered by any thread from before the reset no longer counts.
unsigned generation = 1;
thread_local SurfaceRecord* currentTarget = nullptr;
thread_local unsigned targetGeneration = 0;

Handle NoControl(Handle, int) {
    return 0;
}
void PresentNothing(Handle, int, int, int, int) {}
ControlFinder controlFinder = NoControl;
SurfacePresenter surfacePresenter = PresentNothing;
SurfaceMover surfaceMover = nullptr;

void SetTarget(SurfaceRecord* surface) {
    currentTarget = surface;
    targetGeneration = generation;
}

// A record with a zeroed buffer of width x height (at least one element, so a
// surface with no pixels still has a buffer address), or nullptr.
std::unique_ptr<SurfaceRecord> NewRecord(Handle handle, SurfaceKind kind, int width, int height) {
    if (width < 0 || height < 0 || width > MAX_SIDE || height > MAX_SIDE) return nullptr;
    if (std::int64_t(width) * height > MAX_PIXELS) return nullptr;
    const std::size_t count = std::max<std::size_t>(1, std::size_t(width) * std::size_t(height));
    // calloc hands out zeroed pages lazily: a large bitmap costs nothing until drawn on.
    auto* pixels = static_cast<Colour*>(std::calloc(count, sizeof(Colour)));
    if (pixels == nullptr) return nullptr;
    auto record = std::make_unique<SurfaceRecord>();
    record->pixels.reset(pixels);
    record->handle = handle;
    record->kind = kind;
    record->width = width;
    record->height = height;
    record->deferred = true;
    return record;
}

} // namespace

namespace graphics {

SurfaceRecord* Target() {
    return targetGeneration == generation ? currentTarget : nullptr;
}

void AddSurface(std::unique_ptr<SurfaceRecord> surface) {
    const Handle handle = surface->handle;
    registry.emplace(handle, std::move(surface));
}

SurfaceRecord* FindSurface(Handle owner, int id) {
    Handle handle = controlFinder(owner, id);
    if (handle == 0) handle = owner;
    if (SurfaceRecord* target = Target(); target != nullptr && target->handle == handle) {
        return target;
    }
    const auto found = registry.find(handle);
    return found == registry.end() ? nullptr : found->second.get();
}

void MarkDrawn(SurfaceRecord& surface, PixelRect area) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, surface.width);
    area.bottom = std::min(area.bottom, surface.height);
    PixelRect& dirty = surface.dirty;
    if (!area.empty()) {
        if (dirty.empty()) {
            dirty = area;
        } else {
            dirty.left = std::min(dirty.left, area.left);
            dirty.top = std::min(dirty.top, area.top);
            dirty.right = std::max(dirty.right, area.right);
            dirty.bottom = std::max(dirty.bottom, area.bottom);
        }
    }
    if (surface.deferred || surface.kind != SurfaceKind::GraphicControl || dirty.empty()) return;
    // Emptied before presenting, so a presenter that draws again starts afresh.
    const PixelRect shown = dirty;
    dirty = PixelRect{};
    surfacePresenter(surface.handle, shown.left, shown.top, shown.right, shown.bottom);
}

} // namespace graphics

bool RegisterControlSurface(Handle control, int width, int height) {
    if (control == 0 || registry.contains(control)) return false;
    auto record = NewRecord(control, SurfaceKind::GraphicControl, width, height);
    if (!record) return false;
    record->deferred = false;
    record->layout = graphics::PixelLayout::Screen;
    std::fill_n(record->pixels.get(), std::size_t(width) * std::size_t(height),
                record->kept(record->background));
    SurfaceRecord* surface = record.get();
    registry.emplace(control, std::move(record));
    if (!controlRegistered && graphics::Target() == nullptr) SetTarget(surface);
    controlRegistered = true;
    return true;
}

Handle NewBitmapSurface(int width, int height) {
    if (width < 1 || height < 1) return 0;
    const Handle handle = NewHandle();
    auto record = NewRecord(handle, SurfaceKind::OffscreenBitmap, width, height);
    if (!record) return 0;
    registry.emplace(handle, std::move(record));
    return handle;
}

Handle NewBitmapSurfaceFrom(int width, int height, const Colour* pixels) {
    const Handle handle = NewBitmapSurface(width, height);
    if (handle == 0 || pixels == nullptr) return handle;
    SurfaceRecord& record = *registry.at(handle);
    const std::size_t count = std::size_t(width) * std::size_t(height);
    Colour* to = record.pixels.get();
    for (std::size_t k = 0; k < count; ++k)
        to[k] = pixels[k] & graphics::COLOUR_BITS;
    return handle;
}

namespace {

// The settled record of a surface kept in the given layout, or nullptr.
SurfaceRecord* SettledIn(graphics::PixelLayout layout, Handle surface, int* width, int* height) {
    const auto found = registry.find(surface);
    if (found == registry.end() || found->second->layout != layout) return nullptr;
    SurfaceRecord& record = *found->second;
    if (width != nullptr) *width = record.width;
    if (height != nullptr) *height = record.height;
    graphics::SettlePixels(record);
    return &record;
}

} // namespace

bool SurfaceSize(Handle surface, int* width, int* height) {
    const auto found = registry.find(surface);
    if (found == registry.end()) return false;
    if (width != nullptr) *width = found->second->width;
    if (height != nullptr) *height = found->second->height;
    return true;
}

const Colour* SurfaceColours(Handle surface, int* width, int* height) {
    SurfaceRecord* record = SettledIn(graphics::PixelLayout::Colours, surface, width, height);
    return record != nullptr ? record->pixels.get() : nullptr;
}

const std::uint32_t* SurfaceScreenPixels(Handle control, int* width, int* height) {
    SurfaceRecord* record = SettledIn(graphics::PixelLayout::Screen, control, width, height);
    return record != nullptr ? record->pixels.get() : nullptr;
}

std::vector<Colour> ReadSurfaceArea(Handle surface, int x, int y, int width, int height) {
    const auto found = registry.find(surface);
    if (found == registry.end() || width < 1 || height < 1) return {};
    const SurfaceRecord& record = *found->second;
    // The answer never takes more memory than the surface's own pixels would.
    if (std::int64_t(width) * height > std::int64_t(record.width) * record.height) return {};
    std::vector<Colour> area(std::size_t(width) * std::size_t(height), CLR_INVALID);
    if (record.computed()) {
        // The part of each row inside the surface, from its rule.
        const std::int64_t left = std::max<std::int64_t>(x, 0);
        const std::int64_t right = std::min<std::int64_t>(std::int64_t(x) + width, record.width);
        for (int row = 0; row < height && left < right; ++row) {
            const std::int64_t py = std::int64_t(y) + row;
            if (py < 0 || py >= record.height) continue;
            Colour* out = &area[std::size_t(row) * std::size_t(width) + std::size_t(left - x)];
            graphics::ComputedRow(record, int(py), int(left), int(right - left), out);
        }
        return area;
    }
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const std::int64_t px = std::int64_t(x) + column, py = std::int64_t(y) + row;
            if (px < 0 || py < 0 || px >= record.width || py >= record.height) continue;
            area[std::size_t(row) * std::size_t(width) + std::size_t(column)] =
                record.colourOf(record.fillPending ? record.pendingFill : record.row(int(py))[px]);
        }
    }
    return area;
}

Handle CurrentSurface() {
    const SurfaceRecord* target = graphics::Target();
    return target == nullptr ? 0 : target->handle;
}

void SetControlFinder(ControlFinder finder) {
    controlFinder = finder != nullptr ? finder : NoControl;
}

void SetSurfacePresenter(SurfacePresenter presenter) {
    surfacePresenter = presenter != nullptr ? presenter : PresentNothing;
}

void SetSurfaceMover(SurfaceMover mover) {
    surfaceMover = mover;
}

void AttachSurface(Handle owner, int id, bool deferred) {
    SurfaceRecord* surface = graphics::FindSurface(owner, id);
    SetTarget(surface);
    if (surface != nullptr) {
        surface->deferred = deferred || surface->kind == SurfaceKind::OffscreenBitmap;
    }
}

void RedrawSurface() {
    SurfaceRecord* target = graphics::Target();
    if (target == nullptr) return;
    target->dirty = PixelRect{};
    if (target->kind != SurfaceKind::GraphicControl) return;
    surfacePresenter(target->handle, 0, 0, target->width, target->height);
}

void RedrawSurfaceMoved(int dx, int dy) {
    SurfaceRecord* target = graphics::Target();
    if (target == nullptr || target->kind != SurfaceKind::GraphicControl ||
        surfaceMover == nullptr) {
        RedrawSurface();
        return;
    }
    target->dirty = PixelRect{};
    surfaceMover(target->handle, dx, dy);
}

void ResetSurfacesForTests() {
    registry.clear();
    controlRegistered = false;
    ++generation;
    SetTarget(nullptr);
}
