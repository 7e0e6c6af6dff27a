#pragma once
// The record kept for each drawing surface, and what the operations of this
// folder share: finding surfaces, the current target, and showing drawn areas.

#include "ui/graphics/ComputedSurface.h"
#include "ui/graphics/Surfaces.h"

#include <cstddef>
#include <cstdlib>
#include <memory>

namespace graphics {

// Colour values keep the top byte zero; results of NOT and of colours passed
// in with a top byte are cut to the low 24 bits.
constexpr Colour COLOUR_BITS = 0x00FFFFFF;

// How a surface keeps its pixels. Off-screen bitmaps keep Colour values
// (0x00BBGGRR). A graphic control keeps the layout the screen takes, opaque
// 0xFFRRGGBB (QImage::Format_RGB32), so that showing it is a plain copy; the
// copies into it swap red and blue as they go, and every write sets the top
// byte.
enum class PixelLayout { Colours, Screen };
constexpr Colour OPAQUE_BITS = 0xFF000000;

// Red and blue change places and the top byte is dropped: a Colour in the
// screen's order and back.
constexpr Colour SwapRedAndBlue(Colour c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr Colour WINDOW_TEXT_COLOUR = 0x000000;
constexpr Colour FACE_COLOUR = 0xF0F0F0;

// The longest side of any surface, which keeps a coordinate plus a side, or a
// side times a side, inside 32-bit ints. (What bounds a stored surface's
// buffer is its pixel count: MAX_PIXELS in Surfaces.cpp.)
constexpr int MAX_SIDE = 1 << 15;

// An area of pixels, right and bottom exclusive; empty when it covers none.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool empty() const { return left >= right || top >= bottom; }
};

struct FreePixels {
    void operator()(Colour* pixels) const { std::free(pixels); }
};

struct SurfaceRecord {
    Handle handle = 0;
    SurfaceKind kind = SurfaceKind::OffscreenBitmap;
    PixelLayout layout = PixelLayout::Colours;
    int width = 0;
    int height = 0;
    bool deferred = true;
    PixelRect dirty; // drawn since last shown
    Colour foreground = WINDOW_TEXT_COLOUR;
    Colour background = FACE_COLOUR;
    // width * height in the surface's layout, never reallocated
    std::unique_ptr<Colour[], FreePixels> pixels;
    // A solid clear of an off-screen bitmap waits here, in the surface's
    // layout, until its pixels are next needed, so that the clear and a copy
    // over it take one pass.
    bool fillPending = false;
    Colour pendingFill = 0;
    // Set for a computed surface, which has no pixels: they come from here.
    SurfaceRowRule rule;

    bool computed() const { return static_cast<bool>(rule); }

    // The top byte of every pixel in this surface's layout.
    Colour topBits() const { return layout == PixelLayout::Screen ? OPAQUE_BITS : 0; }
    // A colour (top byte zero) as this surface keeps it, and a kept pixel as a colour.
    Colour kept(Colour colour) const {
        return layout == PixelLayout::Screen ? OPAQUE_BITS | SwapRedAndBlue(colour) : colour;
    }
    Colour colourOf(Colour pixel) const {
        return layout == PixelLayout::Screen ? SwapRedAndBlue(pixel) : pixel;
    }

    Colour* row(int y) { return pixels.get() + std::size_t(y) * std::size_t(width); }
    const Colour* row(int y) const { return pixels.get() + std::size_t(y) * std::size_t(width); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Puts a pending fill into the pixels. Every operation that reads or draws
// pixels settles the surface first, except the copies, which settle it in
// the same pass as they mix.
void SettlePixels(SurfaceRecord& surface);

// Adds a new surface to those that handles name.
void AddSurface(std::unique_ptr<SurfaceRecord> surface);

// Row y of a computed surface from column x, count pixels, into out; returns
// how many rows from y on (at least 1, none past the surface) are the same.
int ComputedRow(const SurfaceRecord& surface, int y, int x, int count, Colour* out);

// The surface named by a control of `owner` (through the control finder) or
// by `owner` itself; nullptr when neither is a surface.
SurfaceRecord* FindSurface(Handle owner, int id);

// This thread's current target, or nullptr.
SurfaceRecord* Target();

// Adds the area, clipped to the surface, to its dirty rectangle and hands the
// dirty rectangle to the presenter at once unless the surface is deferred.
void MarkDrawn(SurfaceRecord& surface, PixelRect area);
inline void MarkAllDrawn(SurfaceRecord& surface) {
    MarkDrawn(surface, PixelRect{0, 0, surface.width, surface.height});
}

} // namespace graphics
