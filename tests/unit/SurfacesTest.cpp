// Random sequences of drawing operations on three off-screen bitmaps and one
// graphic control, held after every step against a model that draws one pixel
// at a time and against the areas the control was asked to show.

#include "ui/Handles.h"
#include "ui/graphics/Surfaces.h"
#include "ui/graphics/ComputedSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace {

using I64 = long long;
using Area = std::array<I64, 4>; // left, top, right, bottom; the last two exclusive
constexpr Area NONE{1LL << 40, 1LL << 40, -(1LL << 40), -(1LL << 40)};
constexpr Colour FACE = 0xF0F0F0, BITS = 0xFFFFFF, SPECIAL[] = {DEFAULT_COLOUR, NO_FILL};
// Handles below those the services hand out: a dialog whose control 5 is the
// graphic control and whose control 6 is no surface, and a handle of nothing.
constexpr Handle DIALOG = 0x7001, CONTROL = 0x7002, BUTTON = 0x7003, NOTHING = 0x7004;
// Whole pixels, halves and near-halves, and now and then far outside.
constexpr double SHIFTS[] = {0, 0, 0.5, -0.5, 0.49, -0.51, 1e12, -1e12};
std::vector<Area> shown, due; // areas the control was asked to show, and should have been

// A surface, or with handle 0 and no pixels the lack of one.
struct Model {
    Handle handle;
    int w, h;
    std::vector<Colour> px;
    bool deferred = true;
    Area dirty = NONE;
    Colour at(I64 x, I64 y) const {
        return x < 0 || y < 0 || x >= w || y >= h ? CLR_INVALID : px[std::size_t(y * w + x)];
    }
    void Each(auto f) { // every pixel p at (x, y) becomes f(x, y, p)
        for (std::size_t k = 0; k < px.size(); ++k)
            px[k] = f(I64(k % w), I64(k / w), px[k]);
    }
    // The area, clipped, joins the dirty one, which a control not deferred shows at once
    // (off-screen bitmaps always are).
    void Drawn(Area a) {
        for (int i = 0; i < 4; ++i)
            a[i] = std::clamp<I64>(a[i], 0, i % 2 ? h : w);
        for (int i = 0; i < 4 && a[0] < a[2] && a[1] < a[3]; ++i)
            dirty[i] = i < 2 ? std::min(dirty[i], a[i]) : std::max(dirty[i], a[i]);
        if (!deferred && dirty != NONE) due.push_back(std::exchange(dirty, NONE));
    }
};

// Mix codes as truth tables: bit 2s + d holds the result for source bit s and target bit d.
constexpr Colour MIXES[16] = {0xC, 0xC, 0x1, 0xC, 0x3, 0x4, 0xC, 0x6,
                              0xC, 0x8, 0xC, 0xC, 0xB, 0xC, 0xC, 0xE};

TEST(Surfaces, RandomOperationsMatchAPixelByPixelModel) {
    SetControlFinder([](Handle o, int id) { return o != DIALOG ? 0 : id == 5 ? CONTROL : BUTTON; });
    SetSurfacePresenter([](Handle, int l, int t, int r, int b) { shown.push_back({l, t, r, b}); });
    for (unsigned seed = 1; seed <= 60; ++seed) {
        ResetSurfacesForTests();
        std::independent_bits_engine<std::mt19937, 32, Colour> rng(seed);
        const auto below = [&](unsigned n) { return int(rng() % n); };
        // Colours with and without a top byte, or -1 or -2.
        const auto colour = [&] { return below(2) ? rng() >> 8 * below(2) : SPECIAL[below(2)]; };
        const auto pos = [&](int n) { return below(n * 3 / 2 + 9) - n / 2 - 4 + SHIFTS[below(8)]; };
        std::vector<Model> models; // bitmaps start black, the control in the face colour
        for (int k = 0; k < 5; ++k) {
            const int w = k < 4 ? 1 + below(20) : 0, h = k < 4 ? 1 + below(20) : 0;
            const Handle handle = k < 3 ? NewBitmapSurface(w, h) : k == 3 ? CONTROL : 0;
            ASSERT_TRUE(k != 3 || RegisterControlSurface(CONTROL, w, h));
            models.push_back({handle, w, h, std::vector<Colour>(w * h, k == 3 ? FACE : 0), k != 3});
            if (k == 0 && seed % 2) AttachSurface(handle, 0, false);
        }
        Model* target = &models[seed % 2 ? 0 : 3]; // the first control takes an empty target
        for (int step = 0; step < 150; ++step) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << step);
            Model& t = *target;
            const int op = below(8), k = below(6), style = std::array{-1, 0, 1, 2, 5, 6}[below(6)];
            const Handle owner = k < 3 ? models[k].handle : k == 5 ? NOTHING : DIALOG;
            const double x1 = pos(t.w), y1 = pos(t.h), x2 = pos(t.w), y2 = pos(t.h);
            const auto R = [](double v) { return std::llround(v); }; // halves away from zero
            const I64 px = R(x1), py = R(y1), l = std::min(px, R(x2)), r = std::max(px, R(x2));
            const I64 top = std::min(py, R(y2)), b = std::max(py, R(y2));
            const Colour c = colour(), fill = colour(), line = c == DEFAULT_COLOUR ? 0 : c & BITS;
            if (op == 0) { // a bitmap, the control through its dialog, or no surface
                AttachSurface(owner, k + 2, style == 0);
                target = &models[std::min(k, 4)];
                target->deferred = k != 3 || style == 0;
            } else if (op == 1) {
                ClearSurface(c, style);
                const Colour clear = c == DEFAULT_COLOUR ? FACE : line;
                // Hatches: every 8th row (style 1), column (2), both (5), or both diagonals (6).
                t.Each([&](I64 x, I64 y, Colour p) {
                    const bool between = (style == 2 || y & 7) && (style == 1 || x & 7);
                    const bool gap = style == 6 ? (x - y) & 7 && (x + y) & 7 : between;
                    return c == NO_FILL ? p : style > 0 && gap ? FACE : clear;
                });
                t.Drawn(Area{0, 0, t.w, t.h});
            } else if (op == 2) {
                SetSurfacePixel(x1, y1, c);
                t.Each([&](I64 x, I64 y, Colour p) { return x == px && y == py ? line : p; });
                t.Drawn(Area{px, py, px + 1, py + 1});
                ASSERT_EQ(GetSurfacePixel(x2, y2), t.at(R(x2), R(y2)));
            } else if (op <= 4) { // the corners in any order; styles 7 and above fill solidly
                DrawBox(x1, y1, x2, y2, 0, c, fill, style * 7);
                const Colour inside = fill == DEFAULT_COLOUR ? line : fill & BITS;
                t.Each([&](I64 x, I64 y, Colour p) {
                    if (x < l || x >= r || y < top || y >= b) return p;
                    const bool edge = x == l || x == r - 1 || y == top || y == b - 1;
                    return edge ? line : fill == NO_FILL ? p : inside;
                });
                if (l < r && top < b) t.Drawn(Area{l - 1, top - 1, r + 1, b + 1});
            } else if (op <= 6) { // from any surface, the target itself, or no surface
                const Colour code = std::array{rng() % 16, 16u, 0xCC0020u, 0xFFFFFFFFu}[below(4)];
                const I64 dx = op == 5 ? 0 : px, dy = op == 5 ? 0 : py;
                if (op == 5) CopySurface(owner, k + 2, code);
                if (op == 6) CopySurfaceAt(owner, k + 2, x1, y1, code);
                const Model s = models[std::min(k, 4)]; // as it was before the copy
                t.Each([&](I64 x, I64 y, Colour p) {
                    const Colour from = s.at(x - dx, y - dy), table = MIXES[code < 16 ? code : 0];
                    Colour mixed = 0; // bit by bit
                    for (int i = 0; i < 24; ++i)
                        mixed |= (table >> (2 * (from >> i & 1) + (p >> i & 1)) & 1) << i;
                    return from == CLR_INVALID ? p : mixed;
                });
                if (k <= 3) t.Drawn(Area{0, 0, t.w, t.h});
            } else {
                RedrawSurface();
                t.dirty = NONE;
                if (t.handle == CONTROL) due.push_back(Area{0, 0, t.w, t.h});
            }
            ASSERT_EQ(CurrentSurface(), target->handle);
            ASSERT_EQ(std::exchange(shown, {}), std::exchange(due, {}));
            for (const Model& m : models)
                ASSERT_EQ(ReadSurfaceArea(m.handle, 0, 0, m.w, m.h), m.px);
        }
    }
}

// What the model leaves out: refused sizes (a control may have none), a second
// control leaving an empty target empty, a handle still in use never handed out
// again, and rounded corners, whose pixels are free but stay inside their box
// and symmetric.
TEST(Surfaces, EdgesOutsideTheModel) {
    ResetSurfacesForTests();
    for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 5}, {5, -1}, {1 << 16, 1}, {30000, 30000}})
        EXPECT_EQ(NewBitmapSurface(w, h), 0u) << w << " x " << h;
    EXPECT_TRUE(RegisterControlSurface(CONTROL, 5, 5) && CurrentSurface() == CONTROL);
    AttachSurface(NOTHING, 0, false);
    EXPECT_TRUE(RegisterControlSurface(DIALOG, 5, 5) && CurrentSurface() == 0);
    EXPECT_TRUE(RegisterControlSurface(BUTTON, 0, 0) && !RegisterControlSurface(NOTHING, -1, 5));
    const Handle bitmap = NewBitmapSurface(25, 25);
    SetNextHandleForTests(bitmap); // as if the count had wrapped round
    EXPECT_NE(NewBitmapSurface(1, 1), bitmap);
    AttachSurface(bitmap, 0, false);
    ClearSurface(0xFFFFFF, 0);
    DrawBox(2, 2, 23, 23, 100, 0, 0xFF00FF, 0);
    for (int y = 0; y < 25; ++y) // mirrored in x and in the diagonal, so also in y
        for (int x = 0; x < 25; ++x)
            ASSERT_TRUE(GetSurfacePixel(x, y) == GetSurfacePixel(24 - x, y) &&
                        GetSurfacePixel(x, y) == GetSurfacePixel(y, x) &&
                        (std::min(x, y) >= 2 || GetSurfacePixel(x, y) == 0xFFFFFF))
                << x << ", " << y;
    EXPECT_TRUE(GetSurfacePixel(2, 2) == 0xFFFFFF && GetSurfacePixel(12, 12) == 0xFF00FF);
}

// A computed surface reads like a stored twin holding its rule's pixels, in
// copies with every mix code onto cleared or drawn targets too, and drawing on
// it changes nothing. Its rule says rows repeat in threes, or claims no repeats.
TEST(Surfaces, ComputedSurfaceReadsLikeItsStoredTwin) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        ResetSurfacesForTests();
        std::mt19937 rng(seed);
        const auto below = [&](int n) { return int(rng() % unsigned(n)); };
        const int w = 1 + below(30), h = 1 + below(30), runs = below(3);
        const auto colour = [](int x, int y) {
            return Colour(x * 0x9E3779 ^ y / 3 * 0x7F4A7C) & BITS;
        };
        std::vector<Colour> pixels;
        for (int k = 0; k < w * h; ++k)
            pixels.push_back(colour(k % w, k / w));
        const Handle twin = NewBitmapSurfaceFrom(w, h, pixels.data());
        const Handle computed = NewComputedSurface(w, h, [&](int y, int x, int n, Colour* out) {
            EXPECT_TRUE(y >= 0 && y < h && x >= 0 && n >= 1 && x + n <= w) << x << ", " << y;
            for (int k = 0; k < n; ++k)
                out[k] = colour(x + k, y);
            return runs == 0 ? 3 - y % 3 : runs == 1 ? 0 : 1;
        });
        const int tw = 1 + below(40), th = 1 + below(40);
        const Handle targets[2] = {NewBitmapSurface(tw, th), NewBitmapSurface(tw, th)};
        for (int step = 0; step < 60; ++step) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << step);
            const int x = below(tw + 2 * w) - w - 1, y = below(th + 2 * h) - h - 1, op = below(4);
            const Colour fill = rng() & BITS, code = below(17);
            for (int k = 0; k < 2; ++k) { // the same drawing and copy onto each target
                AttachSurface(targets[k], 0, false);
                if (op == 0) ClearSurface(fill, 0); // left pending until the copy
                if (op == 1) DrawBox(x, y, x + w, y + h, 0, fill, fill ^ BITS, 0);
                CopySurfaceAt(k ? twin : computed, 0, x, y, code);
            }
            ASSERT_EQ(ReadSurfaceArea(targets[0], 0, 0, tw, th),
                      ReadSurfaceArea(targets[1], 0, 0, tw, th));
            AttachSurface(computed, 0, false); // drawing on it
            if (op == 2) ClearSurface(fill, below(7));
            if (op == 3) DrawBox(x, y, x + 9, y + 9, 0, fill, fill, 0);
            SetSurfacePixel(x, y, fill);
            CopySurfaceAt(targets[0], 0, x, y, code);
            ASSERT_EQ(GetSurfacePixel(x, y), x >= 0 && y >= 0 && x < w && y < h
                                                 ? pixels[std::size_t(y * w + x)]
                                                 : CLR_INVALID);
            ASSERT_EQ(ReadSurfaceArea(computed, x, y, w, h), ReadSurfaceArea(twin, x, y, w, h));
        }
        int sw = 0, sh = 0; // an area of more pixels than the surface is refused, however placed
        EXPECT_TRUE(SurfaceColours(computed, &sw, &sh) == nullptr && sw == w && sh == h &&
                    ReadSurfaceArea(twin, 0, 0, w, h + 1).empty());
    }
    for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {1 << 16, 1}})
        EXPECT_EQ(NewComputedSurface(w, h, [](int, int, int, Colour*) { return 1; }), 0u);
    EXPECT_EQ(NewComputedSurface(5, 5, nullptr), 0u);
}

} // namespace
