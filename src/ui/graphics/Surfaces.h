#pragma once
// Drawing surfaces: the pixel buffers of graphic controls and of off-screen
// bitmaps, and the operations that draw on them. Every drawing operation acts
// on the current drawing target chosen by AttachSurface and does nothing when
// there is none. Colours go in and come out as 0x00BBGGRR values. The pixels
// are row-major and owned here: an off-screen bitmap keeps them in that same
// layout, a graphic control in the one the screen takes (0xFFRRGGBB), so that
// the Qt layer shows a control's buffer without converting it.
//
// All of this is used from the user-interface thread. The current target is
// kept per thread; the registry of surfaces is not guarded by a lock.

#include "ui/Types.h"

#include <cstdint>
#include <vector>

enum class SurfaceKind { GraphicControl, OffscreenBitmap };

// --- Creating surfaces ------------------------------------------------------

// Registers the drawing surface of a graphic control whose client area is
// width x height, filled with the surface's background colour. Returns false
// if the handle is 0 or taken, a side is negative or too large, or there is no
// memory for it. The first control registered while this thread has no
// current target becomes the target.
bool RegisterControlSurface(Handle control, int width, int height);

// A new off-screen bitmap surface (always deferred) of width x height, its
// pixels black until cleared or copied into; 0 when a side is below 1 or too
// large, or there is no memory for it. The current target is not changed.
Handle NewBitmapSurface(int width, int height);

// The same, holding a copy of `pixels` (width * height, row-major, top row
// first) instead of black.
Handle NewBitmapSurfaceFrom(int width, int height, const Colour* pixels);

// --- Reading surfaces -------------------------------------------------------

// The surface's size; false, and nothing set, for a handle that names no surface.
bool SurfaceSize(Handle surface, int* width, int* height);

// Read access for the writer and the canvas: a surface's size and its pixels
// as Colour values (0x00BBGGRR, row-major, width*height of them), or nullptr
// for a handle that names no surface kept in that layout (a graphic control's
// surface is not: read it with ReadSurfaceArea) and for a computed surface,
// which keeps no pixels. The pointer stays valid for
// the surface's lifetime, but call this again before each read: an off-screen
// bitmap's last clear may reach its buffer only then.
const Colour* SurfaceColours(Handle surface, int* width, int* height);

// Read access for the Qt layer, which shows a graphic control: its size and
// its pixels as the screen takes them (0xFFRRGGBB, QImage::Format_RGB32,
// row-major, width*height of them), always up to date; nullptr for a handle
// that names no graphic control.
const std::uint32_t* SurfaceScreenPixels(Handle control, int* width, int* height);

// The colours of the width x height area whose top-left pixel is (x, y), row
// by row, CLR_INVALID where the area leaves the surface; empty for a handle
// that names no surface and for an area of more pixels than the surface has. Reads any surface without making it the target, in
// the 0x00BBGGRR layout whatever the surface keeps inside.
std::vector<Colour> ReadSurfaceArea(Handle surface, int x, int y, int width, int height);

// The current drawing target, 0 if none.
Handle CurrentSurface();

// --- Hooks filled in by the Qt layer ----------------------------------------

// Finds a dialog's control by its id, like GetDlgItem; 0 when there is none.
using ControlFinder = Handle (*)(Handle owner, int controlId);
// Has that area of the control shown from its buffer (right/bottom exclusive):
// the buffer already holds the new pixels, and the screen shows them at the
// next paint, which comes once per turn of the event loop however many areas
// were asked for.
using SurfacePresenter = void (*)(Handle control, int left, int top, int right, int bottom);
// Has the whole control shown, knowing that its pixels are those shown last
// moved by (dx, dy), with only what the move uncovers drawn anew: the screen
// may then move what it shows and draw just the uncovered strips.
using SurfaceMover = void (*)(Handle control, int dx, int dy);
// nullptr restores the defaults: the finder finds nothing, the presenter does
// nothing, and a moved surface is shown through the presenter.
void SetControlFinder(ControlFinder finder);
void SetSurfacePresenter(SurfacePresenter presenter);
void SetSurfaceMover(SurfaceMover mover);

// --- Choosing and showing the target ----------------------------------------

// Makes a surface the current target: the control `id` of `owner` found by the
// control finder, or `owner` itself when the finder finds none. A handle that
// names no surface leaves no current target. The target's deferred-redraw flag
// becomes `deferred`, except that an off-screen bitmap is always deferred.
void AttachSurface(Handle owner, int id, bool deferred);

// Empties the target's dirty rectangle and, for a control, has the whole
// surface shown (through the presenter). Nothing is shown for an off-screen
// bitmap.
void RedrawSurface();

// RedrawSurface for a target whose pixels are, everywhere the old ones reach,
// those of its last redraw moved by (dx, dy) (a pan). The caller vouches for
// that; the screen may move what it shows instead of drawing it all again.
void RedrawSurfaceMoved(int dx, int dy);

// --- Drawing on the target --------------------------------------------------
// Coordinates are pixels from the top-left corner, rounded to the nearest
// whole number; anything outside the surface is clipped. Colour values -1
// (DEFAULT_COLOUR) and -2 (NO_FILL) mean what each operation says; any other
// value is used without its top byte. Fill style 0 is solid, 1 to 6 are hatch
// patterns drawn over the background colour, any other value counts as 0.

// Fills the whole target (-1: its background colour; -2: paints nothing).
void ClearSurface(Colour colour, int fillStyle);

// Paints one pixel (-1: the foreground colour).
void SetSurfacePixel(double x, double y, Colour colour);

// The colour of one pixel, or CLR_INVALID outside the target or without one.
Colour GetSurfacePixel(double x, double y);

// A box with a one-pixel outline from (x1, y1) to (x2, y2), the end corner
// exclusive and the corners in any order: (0, 0)-(11, 11) covers 11 x 11
// pixels, its interior 9 x 9. Outline -1: the foreground colour. Fill -1: the
// outline colour; -2: the interior is left untouched. cornerPercent rounds the
// corners (0: square; above 100 counts as 100).
void DrawBox(double x1, double y1, double x2, double y2, int cornerPercent, Colour outline,
             Colour fill, int fillStyle);

// --- Copying between surfaces -----------------------------------------------
// The source is found like AttachSurface finds its target; nothing is copied
// when it names no surface. Mix codes, any other value counting as 0:
//   0, 1, 3, 6, 8, 10, 11, 13, 14  source            2   NOT (source OR target)
//   4   NOT source                  5   source AND NOT target
//   7   source XOR target           9   source AND target
//   12  NOT source OR target        15  source OR target

// Copies the source's top-left corner onto the target's (0, 0), as much as fits.
void CopySurface(Handle sourceOwner, int sourceId, std::uint32_t mixCode);

// Copies the source with its top-left corner at the target's (x, y); negative
// x and y leave the source's left and top parts out.
void CopySurfaceAt(Handle sourceOwner, int sourceId, double x, double y, std::uint32_t mixCode);

// --- Tests only -------------------------------------------------------------

// Forgets every surface and this thread's current target. The hooks stay.
void ResetSurfacesForTests();
