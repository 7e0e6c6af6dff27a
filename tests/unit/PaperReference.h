#pragma once
// The magnified picture written down pixel by pixel, straight from its rule,
// to hold the canvas's rendering against: the paper as a function of the
// image, and the canvas as a function of the paper and the view offset.

#include "canvas/EditingState.h"
#include "ui/graphics/Surfaces.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <vector>

constexpr Colour WHITE = 0xFFFFFF;
constexpr Colour BLACK = 0x000000;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;
    Colour at(int i, int j) const { return pixels[std::size_t(j) * std::size_t(width) + i]; }
};

// Paper pixel (px, py): grid lines at every multiple of ten up to 10 x the
// image's side, the image pixel's colour between them, white beyond.
inline Colour ExpectedPaperPixel(const Picture& image, int px, int py) {
    if (px < 0 || py < 0 || px >= ZOOM_SIZE || py >= ZOOM_SIZE) return WHITE;
    if (px > CELL_SIZE * image.width || py > CELL_SIZE * image.height) return WHITE;
    if (px % CELL_SIZE == 0 || py % CELL_SIZE == 0) return BLACK;
    return image.at(px / CELL_SIZE, py / CELL_SIZE);
}

// Canvas pixel (x, y) with the paper's top-left pixel at (ox, oy): the paper
// pixel under it, white where no paper pixel reaches.
template <typename Paper>
Colour ExpectedCanvasPixel(const Paper& paperPixel, int ox, int oy, int x, int y) {
    const std::int64_t px = std::int64_t(x) - ox, py = std::int64_t(y) - oy;
    if (px < 0 || py < 0 || px >= ZOOM_SIZE || py >= ZOOM_SIZE) return WHITE;
    return paperPixel(int(px), int(py));
}

// Every pixel of the surface against expected(x, y); names the first
// difference and counts them all.
template <typename Expected>
testing::AssertionResult SurfaceShows(Handle surface, int width, int height,
                                      const Expected& expected) {
    int w = 0, h = 0;
    const Colour* pixels = SurfacePixels(surface, &w, &h);
    if (pixels == nullptr) return testing::AssertionFailure() << "no surface " << surface;
    if (w != width || h != height) {
        return testing::AssertionFailure()
               << "surface is " << w << " x " << h << ", not " << width << " x " << height;
    }
    std::int64_t differences = 0;
    int firstX = -1, firstY = -1;
    Colour firstSeen = 0, firstWanted = 0;
    for (int y = 0; y < h; ++y) {
        const Colour* row = pixels + std::size_t(y) * std::size_t(w);
        for (int x = 0; x < w; ++x) {
            const Colour wanted = expected(x, y);
            if (row[x] == wanted) continue;
            if (differences++ == 0) {
                firstX = x;
                firstY = y;
                firstSeen = row[x];
                firstWanted = wanted;
            }
        }
    }
    if (differences == 0) return testing::AssertionSuccess();
    std::ostringstream message;
    message << differences << " pixels differ; the first at (" << firstX << ", " << firstY
            << ") is 0x" << std::hex << firstSeen << " instead of 0x" << firstWanted;
    return testing::AssertionFailure() << message.str();
}
