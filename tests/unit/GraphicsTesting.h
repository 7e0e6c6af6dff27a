#pragma once
// What the surface tests share: a fixture that starts every test with no
// surfaces and a presenter that records what it is asked to show, and slow,
// obviously correct per-pixel versions of the drawing operations.

#include "ui/graphics/Surfaces.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

struct Presentation {
    Handle control;
    int left, top, right, bottom;
    bool operator==(const Presentation&) const = default;
};

inline std::vector<Presentation>& Presented() {
    static std::vector<Presentation> presented;
    return presented;
}

inline void RecordPresentation(Handle control, int left, int top, int right, int bottom) {
    Presented().push_back(Presentation{control, left, top, right, bottom});
}

inline void PrintTo(const Presentation& p, std::ostream* out) {
    *out << "control " << p.control << " (" << p.left << ", " << p.top << ")-(" << p.right << ", "
         << p.bottom << ")";
}

class GraphicsTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetSurfacesForTests();
        SetControlFinder(nullptr);
        SetSurfacePresenter(RecordPresentation);
        Presented().clear();
    }
    void TearDown() override {
        ResetSurfacesForTests();
        SetControlFinder(nullptr);
        SetSurfacePresenter(nullptr);
    }
};

// A copy of a surface's pixels, row-major.
inline std::vector<Colour> PixelsOf(Handle surface) {
    int width = 0;
    int height = 0;
    const Colour* pixels = SurfacePixels(surface, &width, &height);
    if (pixels == nullptr) return {};
    return std::vector<Colour>(pixels, pixels + std::size_t(width) * std::size_t(height));
}

// Fills the current target with random colours through the public operations.
inline void PaintRandomly(std::mt19937& random, int width, int height) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            SetSurfacePixel(x, y, random() & 0xFFFFFF);
    }
}

// The pixel after a square box (corners already ordered, end exclusive) is
// drawn over `before`: one pixel at a time, straight from the box's rule.
inline Colour ReferenceBoxPixel(int x, int y, int left, int top, int right, int bottom,
                                Colour outline, Colour fill, bool filled, Colour before) {
    if (x < left || x >= right || y < top || y >= bottom) return before;
    const bool onOutline = x == left || x == right - 1 || y == top || y == bottom - 1;
    if (onOutline) return outline;
    return filled ? fill : before;
}

// One destination pixel of a copy, straight from the mix-code table.
inline Colour ReferenceMix(std::uint32_t code, Colour source, Colour target) {
    Colour result = source;
    switch (code) {
    case 2:
        result = ~(source | target);
        break;
    case 4:
        result = ~source;
        break;
    case 5:
        result = source & ~target;
        break;
    case 7:
        result = source ^ target;
        break;
    case 9:
        result = source & target;
        break;
    case 12:
        result = ~source | target;
        break;
    case 15:
        result = source | target;
        break;
    default:
        break;
    }
    return result & 0x00FFFFFF;
}
