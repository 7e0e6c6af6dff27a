// What reaches the canvas's 1198 x 948 surface: the paper at the view offset,
// white wherever no paper pixel lies.

#include "../support/EditorSession.h"
#include "PaperReference.h"

#include "canvas/Rendering.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int SURFACE_WIDTH = VIEW_WIDTH - 2; // inside the canvas's one-pixel border
constexpr int SURFACE_HEIGHT = VIEW_HEIGHT - 2;

// One editor with a 500 x 500 image for all the offsets: the paper is drawn
// once and only the view offset changes between tests.
class CanvasView : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        session = std::make_unique<EditorSession>();
        image = Picture{500, 500, RandomPicture(500, 500, 21)};
        session->Open(500, 500, image.pixels);
    }
    static void TearDownTestSuite() { session.reset(); }

    static void MoveViewTo(int ox, int oy) {
        Editing().DragItems[PAPER_ITEM].X = ox;
        Editing().DragItems[PAPER_ITEM].Y = oy;
        RefreshCanvas();
    }
    static testing::AssertionResult CanvasShowsPaperAt(int ox, int oy) {
        const auto paper = [](int px, int py) { return ExpectedPaperPixel(image, px, py); };
        return SurfaceShows(session->Canvas(), SURFACE_WIDTH, SURFACE_HEIGHT,
                            [&](int x, int y) { return ExpectedCanvasPixel(paper, ox, oy, x, y); });
    }
    static Colour CanvasPixel(int x, int y) {
        return SurfacePixels(session->Canvas(), nullptr,
                             nullptr)[std::size_t(y) * SURFACE_WIDTH + x];
    }

    static std::unique_ptr<EditorSession> session;
    static Picture image;
};

std::unique_ptr<EditorSession> CanvasView::session;
Picture CanvasView::image;

TEST_F(CanvasView, AtTheOriginShowsColumns0To118AndRows0To93AndPartOfTheNext) {
    MoveViewTo(0, 0);
    EXPECT_TRUE(CanvasShowsPaperAt(0, 0));
    // Column 119: its left line at x 1190, then 7 of its 9 interior pixels.
    EXPECT_EQ(CanvasPixel(1190, 5), BLACK);
    for (int x = 1191; x < SURFACE_WIDTH; ++x)
        EXPECT_EQ(CanvasPixel(x, 5), image.at(119, 0)) << x;
    // Row 94: its top line at y 940, then 7 of its 9 interior rows.
    EXPECT_EQ(CanvasPixel(5, 940), BLACK);
    for (int y = 941; y < SURFACE_HEIGHT; ++y)
        EXPECT_EQ(CanvasPixel(5, y), image.at(0, 94)) << y;
    EXPECT_EQ(CanvasPixel(1197, 947), image.at(119, 94));
}

TEST_F(CanvasView, RefreshLeavesTheCanvasAsTheDrawingTarget) {
    MoveViewTo(-30, -40);
    EXPECT_EQ(CurrentSurface(), session->Canvas());
}

TEST_F(CanvasView, PaperWhollyOutsideLeavesTheCanvasWhiteAndThePaperAsItWas) {
    const SurfaceCopy paper = CopyOf(Editing().ZoomBitmap);
    for (const auto& [ox, oy] : {std::pair{-5000, 0},
                                 {0, -5000},
                                 {SURFACE_WIDTH, 0},
                                 {0, SURFACE_HEIGHT},
                                 {-40000, 30000}}) {
        MoveViewTo(ox, oy);
        EXPECT_TRUE(SurfaceShows(session->Canvas(), SURFACE_WIDTH, SURFACE_HEIGHT,
                                 [](int, int) { return WHITE; }))
            << "offset (" << ox << ", " << oy << ")";
    }
    EXPECT_TRUE(CopyOf(Editing().ZoomBitmap) == paper);
}

struct Offset {
    int x, y;
};

void PrintTo(const Offset& o, std::ostream* out) {
    *out << "(" << o.x << ", " << o.y << ")";
}

class CanvasViewAtOffset : public CanvasView, public testing::WithParamInterface<Offset> {};

TEST_P(CanvasViewAtOffset, ShowsThePaperShiftedAndWhiteElsewhere) {
    const Offset o = GetParam();
    MoveViewTo(o.x, o.y);
    EXPECT_TRUE(CanvasShowsPaperAt(o.x, o.y));
}

// Offsets that are not multiples of ten move the grid lines to 10k + offset;
// positive ones leave a white band at the left or top; near -5000 only the
// paper's last columns or rows remain, with white after them.
INSTANTIATE_TEST_SUITE_P(Offsets, CanvasViewAtOffset,
                         testing::Values(Offset{0, 0}, Offset{-3, -7}, Offset{-1234, -567},
                                         Offset{-3802, -4052}, Offset{-4999, -4999}, Offset{15, 23},
                                         Offset{37, 0}, Offset{0, 900}, Offset{1197, 947},
                                         Offset{-10, 13}, Offset{-4990, 0}));

TEST(CanvasFirstView, IsThePaperAtTheOriginOnceInitialisationIsDone) {
    EditorSession session;
    const Picture image{130, 100, RandomPicture(130, 100, 22)};
    session.Open(130, 100, image.pixels);
    const auto paper = [&](int px, int py) { return ExpectedPaperPixel(image, px, py); };
    EXPECT_TRUE(SurfaceShows(session.Canvas(), SURFACE_WIDTH, SURFACE_HEIGHT,
                             [&](int x, int y) { return ExpectedCanvasPixel(paper, 0, 0, x, y); }));
    EXPECT_EQ(CurrentSurface(), session.Canvas());
}

TEST(CanvasFirstView, SmallImageLeavesWhiteRightAndBelowIt) {
    EditorSession session;
    session.Open(2, 3, {0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0x654321, 0xABCDEF});
    const Colour* canvas = SurfacePixels(session.Canvas(), nullptr, nullptr);
    const auto at = [&](int x, int y) { return canvas[std::size_t(y) * SURFACE_WIDTH + x]; };
    EXPECT_EQ(at(5, 5), 0x0000FFu);
    EXPECT_EQ(at(15, 5), 0x00FF00u);
    EXPECT_EQ(at(15, 25), 0xABCDEFu);
    EXPECT_EQ(at(5, 15), 0xFF0000u);
    EXPECT_EQ(at(20, 30), BLACK);
    EXPECT_EQ(at(21, 5), WHITE);
    EXPECT_EQ(at(5, 31), WHITE);
    EXPECT_EQ(at(SURFACE_WIDTH - 1, SURFACE_HEIGHT - 1), WHITE);
}

} // namespace
