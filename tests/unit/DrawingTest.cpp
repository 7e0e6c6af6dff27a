// Clears, pixels and boxes on the current target.

#include "GraphicsTesting.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace {

using Drawing = GraphicsTest;

constexpr Colour BLACK = 0x000000;
constexpr Colour WHITE = 0xFFFFFF;
constexpr Colour MAGENTA = 0xFF00FF;

// A white off-screen bitmap of the given size, made the target.
Handle WhiteTarget(int width, int height) {
    const Handle surface = NewBitmapSurface(width, height);
    AttachSurface(surface, 0, false);
    ClearSurface(WHITE, 0);
    return surface;
}

struct Corners {
    const char* name;
    double x1, y1, x2, y2;
};
void PrintTo(const Corners& c, std::ostream* out) {
    *out << c.name;
}

class ElevenByElevenBox : public Drawing, public testing::WithParamInterface<Corners> {};

TEST_P(ElevenByElevenBox, HasABlackOutlineRoundAMagentaNineByNine) {
    const Corners& c = GetParam();
    WhiteTarget(14, 14);
    DrawBox(c.x1, c.y1, c.x2, c.y2, 0, BLACK, MAGENTA, 0);
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 14; ++x) {
            Colour expected = WHITE;
            if (x <= 10 && y <= 10)
                expected = (x == 0 || y == 0 || x == 10 || y == 10) ? BLACK : MAGENTA;
            ASSERT_EQ(GetSurfacePixel(x, y), expected) << "pixel (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AnyCornerOrder, ElevenByElevenBox,
                         testing::Values(Corners{"topLeftFirst", 0, 0, 11, 11},
                                         Corners{"bottomRightFirst", 11, 11, 0, 0},
                                         Corners{"topRightFirst", 11, 0, 0, 11},
                                         Corners{"bottomLeftFirst", 0, 11, 11, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClippedBox {
    const char* name;
    int x1, y1, x2, y2;
};
void PrintTo(const ClippedBox& b, std::ostream* out) {
    *out << b.name << " (" << b.x1 << ", " << b.y1 << ")-(" << b.x2 << ", " << b.y2 << ")";
}

class BoxClipping : public Drawing, public testing::WithParamInterface<ClippedBox> {};

TEST_P(BoxClipping, DrawsOnlyThePartInsideAndTouchesNothingElse) {
    const ClippedBox& b = GetParam();
    constexpr int W = 20, H = 15;
    const Handle surface = WhiteTarget(W, H);
    DrawBox(b.x1, b.y1, b.x2, b.y2, 0, BLACK, MAGENTA, 0);
    const std::vector<Colour> drawn = PixelsOf(surface);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const Colour expected =
                ReferenceBoxPixel(x, y, b.x1, b.y1, b.x2, b.y2, BLACK, MAGENTA, true, WHITE);
            ASSERT_EQ(drawn[std::size_t(y * W + x)], expected)
                << "pixel (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryEdge, BoxClipping,
    testing::Values(ClippedBox{"offLeft", -5, 3, 6, 10}, ClippedBox{"offTop", 4, -7, 12, 5},
                    ClippedBox{"offRight", 15, 2, 26, 9}, ClippedBox{"offBottom", 3, 10, 9, 30},
                    ClippedBox{"outlineJustOutsideLeft", -1, 2, 8, 8},
                    ClippedBox{"outlineOnLastColumn", 10, 2, 21, 8},
                    ClippedBox{"coversEverything", -3, -3, 40, 40},
                    ClippedBox{"crossesTheWholeWidth", -10, 5, 30, 9},
                    ClippedBox{"wholelyOutside", 25, 25, 30, 30},
                    ClippedBox{"onePixel", 19, 14, 20, 15}, ClippedBox{"twoWide", 3, 3, 5, 9},
                    ClippedBox{"oneHigh", 3, 3, 9, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Drawing, RowFillsMatchAPixelByPixelBoxOnRandomBoxes) {
    constexpr int W = 37, H = 23;
    std::mt19937 random(20240611);
    const Handle surface = NewBitmapSurface(W, H);
    AttachSurface(surface, 0, false);
    PaintRandomly(random, W, H);
    std::uniform_int_distribution<int> coordinate(-15, 50);
    for (int round = 0; round < 3000; ++round) {
        const int x1 = coordinate(random), y1 = coordinate(random);
        const int x2 = coordinate(random), y2 = coordinate(random);
        const Colour outline = random() & 0xFFFFFF;
        const Colour fill = round % 7 == 0 ? NO_FILL : random() & 0xFFFFFF;
        const std::vector<Colour> before = PixelsOf(surface);
        DrawBox(x1, y1, x2, y2, 0, outline, fill, 0);
        const std::vector<Colour> after = PixelsOf(surface);
        const int left = std::min(x1, x2), right = std::max(x1, x2);
        const int top = std::min(y1, y2), bottom = std::max(y1, y2);
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                const std::size_t i = std::size_t(y * W + x);
                const Colour expected = ReferenceBoxPixel(x, y, left, top, right, bottom, outline,
                                                          fill, fill != NO_FILL, before[i]);
                ASSERT_EQ(after[i], expected)
                    << "box (" << x1 << ", " << y1 << ")-(" << x2 << ", " << y2 << "), fill "
                    << fill << ", pixel (" << x << ", " << y << ")";
            }
        }
    }
}

TEST_F(Drawing, MinusOneAndMinusTwoMeanTheDefaultsAndNoFill) {
    WhiteTarget(12, 12);
    DrawBox(0, 0, 5, 5, 0, DEFAULT_COLOUR, MAGENTA, 0);
    EXPECT_EQ(GetSurfacePixel(0, 0), BLACK) << "outline -1: the foreground colour";
    DrawBox(6, 0, 11, 5, 0, 0x0000FF, DEFAULT_COLOUR, 0);
    EXPECT_EQ(GetSurfacePixel(8, 2), 0x0000FFu) << "fill -1: the outline colour";
    DrawBox(0, 6, 5, 11, 0, 0x00FF00, NO_FILL, 0);
    EXPECT_EQ(GetSurfacePixel(2, 8), WHITE) << "fill -2: interior untouched";
    EXPECT_EQ(GetSurfacePixel(0, 8), 0x00FF00u);
    SetSurfacePixel(11, 11, DEFAULT_COLOUR);
    EXPECT_EQ(GetSurfacePixel(11, 11), BLACK);
    ClearSurface(NO_FILL, 0);
    EXPECT_EQ(GetSurfacePixel(11, 11), BLACK) << "clear with -2 paints nothing";
    ClearSurface(DEFAULT_COLOUR, 0);
    EXPECT_EQ(GetSurfacePixel(11, 11), 0xF0F0F0u) << "clear with -1: the background colour";
}

TEST_F(Drawing, ColoursLoseTheirTopByte) {
    WhiteTarget(4, 4);
    SetSurfacePixel(1, 1, 0x12345678);
    EXPECT_EQ(GetSurfacePixel(1, 1), 0x00345678u);
    DrawBox(0, 0, 4, 4, 0, 0x01ABCDEF, 0x80102030, 0);
    EXPECT_EQ(GetSurfacePixel(0, 0), 0x00ABCDEFu);
    EXPECT_EQ(GetSurfacePixel(1, 1), 0x00102030u);
    ClearSurface(0xFF00FF00, 0);
    EXPECT_EQ(GetSurfacePixel(3, 3), 0x0000FF00u);
}

TEST_F(Drawing, SetPixelThenGetPixelGivesTheColourBack) {
    WhiteTarget(6, 5);
    SetSurfacePixel(5, 4, 0x00FF00FF);
    SetSurfacePixel(0, 0, 0x00010203);
    EXPECT_EQ(GetSurfacePixel(5, 4), 0x00FF00FFu);
    EXPECT_EQ(GetSurfacePixel(0, 0), 0x00010203u);
    EXPECT_EQ(GetSurfacePixel(4.6, 3.5), 0x00FF00FFu) << "coordinates round to the nearest pixel";
}

TEST_F(Drawing, ReadingOutsideTheSurfaceGivesInvalid) {
    WhiteTarget(6, 5);
    const double outside[][2] = {{-1, 0}, {6, 0}, {0, -1}, {0, 5}, {-1e300, 0}, {1e300, 1e300}};
    for (const auto& p : outside) {
        EXPECT_EQ(GetSurfacePixel(p[0], p[1]), CLR_INVALID) << "(" << p[0] << ", " << p[1] << ")";
    }
    EXPECT_EQ(GetSurfacePixel(5, 4), WHITE);
}

TEST_F(Drawing, AnEmptyBoxDrawsNothing) {
    const Handle surface = WhiteTarget(8, 8);
    DrawBox(2, 2, 2, 7, 0, BLACK, BLACK, 0);
    DrawBox(2, 5, 7, 5, 0, BLACK, BLACK, 0);
    for (Colour c : PixelsOf(surface))
        ASSERT_EQ(c, WHITE);
}

TEST_F(Drawing, HugeAndNonNumberCoordinatesAreClippedSafely) {
    const Handle surface = WhiteTarget(8, 8);
    const double inf = std::numeric_limits<double>::infinity();
    DrawBox(-1e300, -inf, 1e300, inf, 0, BLACK, MAGENTA, 0);
    for (Colour c : PixelsOf(surface))
        ASSERT_EQ(c, MAGENTA);
    SetSurfacePixel(std::nan(""), 1e20, BLACK);
    DrawBox(std::nan(""), std::nan(""), 3, 3, 0, BLACK, BLACK, 0);
    EXPECT_EQ(GetSurfacePixel(0, 0), BLACK) << "a coordinate that is no number counts as 0";
    EXPECT_EQ(GetSurfacePixel(3, 3), MAGENTA);
}

TEST_F(Drawing, HatchStylesMixTheFillAndTheBackgroundInsideTheBoxOnly) {
    for (int style = 1; style <= 6; ++style) {
        WhiteTarget(24, 24);
        DrawBox(2, 2, 22, 22, 0, BLACK, MAGENTA, style);
        int ink = 0, background = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const Colour c = GetSurfacePixel(x, y);
                const bool inside = x >= 3 && x < 21 && y >= 3 && y < 21;
                if (!inside) continue;
                ink += c == MAGENTA;
                background += c == 0xF0F0F0;
                ASSERT_TRUE(c == MAGENTA || c == 0xF0F0F0) << "style " << style;
            }
        }
        EXPECT_GT(ink, 0) << "style " << style;
        EXPECT_GT(background, ink) << "style " << style;
        EXPECT_EQ(GetSurfacePixel(1, 1), WHITE) << "style " << style;
    }
    WhiteTarget(8, 8);
    ClearSurface(MAGENTA, 7);
    EXPECT_EQ(GetSurfacePixel(1, 1), MAGENTA) << "an unknown style fills solidly";
}

TEST_F(Drawing, RoundedCornersCutTheCornersAndKeepTheSides) {
    const Handle surface = WhiteTarget(21, 21);
    DrawBox(0, 0, 21, 21, 100, BLACK, MAGENTA, 0);
    const std::vector<Colour> drawn = PixelsOf(surface);
    const auto at = [&](int x, int y) { return drawn[std::size_t(y * 21 + x)]; };
    EXPECT_EQ(at(0, 0), WHITE);
    EXPECT_EQ(at(20, 20), WHITE);
    EXPECT_EQ(at(10, 0), BLACK);
    EXPECT_EQ(at(0, 10), BLACK);
    EXPECT_EQ(at(20, 10), BLACK);
    EXPECT_EQ(at(10, 10), MAGENTA);
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            ASSERT_EQ(at(x, y), at(20 - x, y)) << "mirror of (" << x << ", " << y << ")";
            ASSERT_EQ(at(x, y), at(x, 20 - y)) << "mirror of (" << x << ", " << y << ")";
            ASSERT_EQ(at(x, y), at(y, x)) << "diagonal mirror of (" << x << ", " << y << ")";
        }
    }
    // Every row is one run: white, black outline, magenta, black outline, white.
    for (int y = 1; y < 20; ++y) {
        int x = 0;
        while (at(x, y) == WHITE)
            ++x;
        ASSERT_EQ(at(x, y), BLACK) << "row " << y;
    }
}

} // namespace
