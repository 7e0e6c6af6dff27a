// The four tools: which pixels a press or a held move paints, in which
// colour, in the image and on the paper, with one refresh per application.

#include "CanvasTesting.h"

#include "canvas/EditingTools.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace {

constexpr Colour MAGENTA = 0xFF00FF;

using Pixels = std::vector<std::pair<int, int>>;

class Tools : public CanvasTest {
  protected:
    // The loaded image with the given pixels made transparent.
    std::vector<Colour> TransparentAt(const Pixels& pixels) {
        std::vector<Colour> picture = loaded;
        for (auto [i, j] : pixels)
            picture[std::size_t(j) * std::size_t(Editing().ImageWidth) + std::size_t(i)] = MAGENTA;
        return picture;
    }
};

struct PointedCase {
    int offset, position, expected;
};

class PointedPixel : public CanvasTest, public testing::WithParamInterface<PointedCase> {};

TEST_P(PointedPixel, DividesPaperPositionsByTenTowardZero) {
    const PointedCase c = GetParam();
    SetOffset(c.offset, c.offset);
    const auto pointed = PointedPixelAt(c.position, c.position);
    EXPECT_EQ(pointed.i, c.expected) << "offset " << c.offset << ", x " << c.position;
    EXPECT_EQ(pointed.j, c.expected) << "offset " << c.offset << ", y " << c.position;
}

INSTANTIATE_TEST_SUITE_P(CanvasPositions, PointedPixel,
                         testing::Values(PointedCase{0, 0, 0}, PointedCase{0, 9, 0},
                                         PointedCase{0, 10, 1}, PointedCase{20, 11, 0},
                                         PointedCase{20, 29, 0}, PointedCase{20, 30, 1},
                                         PointedCase{20, 10, -1}, PointedCase{20, -5, -2},
                                         PointedCase{-100, 5, 10}, PointedCase{-5, 4, 0},
                                         PointedCase{-5, 5, 1}, PointedCase{-1490, 1197, 268}));

TEST_F(Tools, TransparentPressPaintsThePointedPixelInImagePaperAndCanvas) {
    Mode(EditTransparent);
    Press(35, 25);
    EXPECT_EQ(Editing().ButtonDown, 1);
    ExpectPicture(TransparentAt({{3, 2}}));
    EXPECT_EQ(PixelOf(Editing().ZoomBitmap, 30, 25), GRID_COLOUR) << "the border stays";
    EXPECT_EQ(PixelOf(Editing().ZoomBitmap, 40, 25), GRID_COLOUR);
    EXPECT_EQ(CanvasPixel(35, 25), MAGENTA);
    EXPECT_EQ(CanvasPixel(31, 21), MAGENTA);
    EXPECT_EQ(CanvasPixel(41, 25), LoadedColour(4, 2));
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(Tools, HeldMovesKeepPaintingUntilTheRelease) {
    Mode(EditTransparent);
    Press(35, 25);
    MoveHeld(45, 25);
    MoveHeld(55, 36);
    EXPECT_EQ(Refreshes(), 3);
    Release(55, 36);
    EXPECT_EQ(Editing().ButtonDown, 0);
    EXPECT_EQ(Refreshes(), 0) << "a release paints and refreshes nothing";
    MoveHeld(75, 75);
    MoveFree(85, 85);
    ExpectPicture(TransparentAt({{3, 2}, {4, 2}, {5, 3}}));
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(Tools, RealColourRestoresTheColourAsLoaded) {
    Mode(EditTransparent);
    Press(35, 25);
    Release(35, 25);
    Mode(EditRealColour);
    Press(35, 25);
    ExpectPicture(loaded);
    EXPECT_EQ(CanvasPixel(35, 25), LoadedColour(3, 2));
}

TEST_F(Tools, RealColourOnANeverEditedPixelRewritesItUnchanged) {
    Mode(EditRealColour);
    Press(95, 95);
    ExpectPicture(loaded);
    EXPECT_EQ(Refreshes(), 1) << "it is painted and refreshed all the same";
}

TEST_F(Tools, APressOffTheImagePaintsNothingButTheFollowingMoveIntoItDoes) {
    Mode(EditTransparent);
    SetOffset(-1000, 0);
    Press(600, 50); // paper x 1600: right of the image's 1500
    EXPECT_EQ(Editing().ButtonDown, 1);
    EXPECT_EQ(Refreshes(), 0);
    ExpectPicture(loaded);
    MoveHeld(405, 55);
    ExpectPicture(TransparentAt({{140, 5}}));
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(Tools, WithAPositiveOffsetNinePixelsLeftOfThePaperStillAddressColumnZero) {
    Mode(EditTransparent);
    SetOffset(20, 20);
    Press(10, 25); // paper x -10: column -1
    EXPECT_EQ(Refreshes(), 0);
    Press(11, 11); // paper (-9, -9): pixel (0, 0)
    ExpectPicture(TransparentAt({{0, 0}}));
}

struct ModeCase {
    std::int32_t mode;
    Colour colour; // what pixel (3, 2) becomes, from a transparent start
};

class EveryEditingMode : public Tools, public testing::WithParamInterface<ModeCase> {};

TEST_P(EveryEditingMode, APressInsideTheImagePaintsAndOneOutsidePaintsNothing) {
    const ModeCase c = GetParam();
    Editing().BlockWidth = 1;
    Editing().BlockHeight = 1;
    Mode(EditTransparent);
    Press(35, 25);
    Release(35, 25);
    Refreshes();

    Mode(c.mode);
    SetOffset(-1000, -800);
    for (auto [x, y] : Pixels{{505, 105}, {105, 405}, {CLIENT_WIDTH - 1, CLIENT_HEIGHT - 1}}) {
        Press(x, y); // right of, below, and right of and below the image
        EXPECT_EQ(Editing().ButtonDown, 1) << "mode " << c.mode;
        Release(x, y);
    }
    EXPECT_EQ(Refreshes(), 0) << "mode " << c.mode;
    SetOffset(0, 0);
    Press(35, 25);
    EXPECT_EQ(ImagePixel(3, 2), c.colour) << "mode " << c.mode;
    EXPECT_EQ(PaperCell(3, 2), c.colour) << "mode " << c.mode;
    EXPECT_EQ(Refreshes(), 1) << "mode " << c.mode;
}

INSTANTIATE_TEST_SUITE_P(CanvasTools, EveryEditingMode,
                         testing::Values(ModeCase{EditTransparent, MAGENTA},
                                         ModeCase{EditRealColour, LoadedColour(3, 2)},
                                         ModeCase{EditTransparentBlock, MAGENTA},
                                         ModeCase{EditRealColourBlock, LoadedColour(3, 2)}));

TEST_F(Tools, NothingIsPaintedInMovePaperMode) {
    Press(35, 25);
    MoveHeld(45, 25);
    Release(45, 25);
    ExpectPicture(loaded);
    EXPECT_EQ(Editing().ButtonDown, 0);
}

struct BlockCase {
    std::string name;
    int blockWidth, blockHeight;
    int i, j; // the cell placed at canvas (100, 100), pressed at its centre
    Pixels painted;
    int refreshes;
};

std::ostream& operator<<(std::ostream& out, const BlockCase& c) {
    return out << c.name << ": block " << c.blockWidth << " x " << c.blockHeight << " at (" << c.i
               << ", " << c.j << ")";
}

Pixels Rectangle(int left, int top, int right, int bottom) {
    Pixels pixels;
    for (int j = top; j < bottom; ++j)
        for (int i = left; i < right; ++i)
            pixels.push_back({i, j});
    return pixels;
}

class Blocks : public Tools, public testing::WithParamInterface<BlockCase> {};

TEST_P(Blocks, TransparentBlockHasThePointedPixelTopLeftAndIsClippedToTheImage) {
    const BlockCase& c = GetParam();
    Mode(EditTransparentBlock);
    Editing().BlockWidth = std::int16_t(c.blockWidth);
    Editing().BlockHeight = std::int16_t(c.blockHeight);
    ShowPixelAt100(c.i, c.j);
    Press(105, 105);
    ExpectPicture(TransparentAt(c.painted));
    EXPECT_EQ(Refreshes(), c.refreshes) << c;
}

TEST_P(Blocks, RealColourBlockRestoresEachPixelsOwnColour) {
    const BlockCase& c = GetParam();
    // Everything around the block transparent first.
    Editing().BlockWidth = 12;
    Editing().BlockHeight = 12;
    Mode(EditTransparentBlock);
    const int left = std::max(0, c.i - 4), top = std::max(0, c.j - 4);
    ShowPixelAt100(left, top);
    Press(105, 105);
    Release(105, 105);
    Pixels transparent;
    for (auto [i, j] : Rectangle(left, top, std::min(W, left + 12), std::min(H, top + 12))) {
        if (std::find(c.painted.begin(), c.painted.end(), std::make_pair(i, j)) ==
            c.painted.end()) {
            transparent.push_back({i, j});
        }
    }
    Refreshes();

    Mode(EditRealColourBlock);
    Editing().BlockWidth = std::int16_t(c.blockWidth);
    Editing().BlockHeight = std::int16_t(c.blockHeight);
    ShowPixelAt100(c.i, c.j);
    Press(105, 105);
    ExpectPicture(TransparentAt(transparent));
    EXPECT_EQ(Refreshes(), c.refreshes) << c;
}

INSTANTIATE_TEST_SUITE_P(
    CanvasTools, Blocks,
    testing::Values(
        BlockCase{"ThreeByThree", 3, 3, 5, 5, Rectangle(5, 5, 8, 8), 1},
        BlockCase{
            "ClippedAtTheRightAndBottom", 3, 3, 150 - 2, 120 - 1, {{148, 119}, {149, 119}}, 1},
        BlockCase{"OnTheLastPixel", 3, 3, 149, 119, {{149, 119}}, 1},
        BlockCase{"ClippedAtTheRight", 4, 2, 148, 10, Rectangle(148, 10, 150, 12), 1},
        BlockCase{"WideAndLow", 5, 1, 0, 0, Rectangle(0, 0, 5, 1), 1},
        BlockCase{"NarrowAndTall", 1, 4, 7, 2, Rectangle(7, 2, 8, 6), 1},
        BlockCase{"WidthZeroIsEmptyButRefreshes", 0, 3, 5, 5, {}, 1},
        BlockCase{"NegativeHeightIsEmptyButRefreshes", 3, -2, 5, 5, {}, 1},
        // Cell -2 at canvas 100..110 puts paper -15 under (105, 105): pixel -1.
        BlockCase{"PointedLeftOfTheImage", 3, 3, -2, 4, {}, 0},
        BlockCase{"PointedAboveTheImage", 3, 3, 4, -2, {}, 0},
        BlockCase{"PointedRightOfTheImage", 3, 3, 150, 4, {}, 0}),
    [](const testing::TestParamInfo<BlockCase>& info) { return info.param.name; });

TEST_F(Tools, BlockSizeIsReadForEveryApplication) {
    Mode(EditTransparentBlock);
    Press(5, 5);
    Editing().BlockWidth = 1;
    Editing().BlockHeight = 1;
    MoveHeld(105, 105);
    Pixels expected = Rectangle(0, 0, 3, 3);
    expected.push_back({10, 10});
    ExpectPicture(TransparentAt(expected));
}

// The canvas holds the pointer while the button is down; outside its client
// area the tools paint nothing, even where the paper still lies.
TEST_F(Tools, HeldMovesOutsideTheClientAreaPaintNothing) {
    Mode(EditTransparent);
    SetOffset(-100, 0);
    Press(5, 5);
    ASSERT_EQ(Refreshes(), 1);
    for (auto [x, y] : Pixels{{-5, 5},
                              {-1, 0},
                              {CLIENT_WIDTH, 5},
                              {5, CLIENT_HEIGHT},
                              {5, -1},
                              {CLIENT_WIDTH + 300, CLIENT_HEIGHT + 300}}) {
        MoveHeld(x, y);
        EXPECT_EQ(Refreshes(), 0) << "move to (" << x << ", " << y << ")";
    }
    MoveHeld(CLIENT_WIDTH - 1, CLIENT_HEIGHT - 1);
    ExpectPicture(TransparentAt({{10, 0}, {129, 94}}));
    EXPECT_EQ(Editing().ButtonDown, 1);
    Release(-5, 5);
    EXPECT_EQ(Editing().ButtonDown, 0);
}

TEST_F(Tools, APressOutsideTheClientAreaStartsAStrokeButPaintsNothing) {
    Mode(EditTransparentBlock);
    SetOffset(-100, -100);
    Press(-3, 40);
    EXPECT_EQ(Editing().ButtonDown, 1);
    EXPECT_EQ(Refreshes(), 0);
    MoveHeld(3, 40);
    ExpectPicture(TransparentAt(Rectangle(10, 14, 13, 17)));
}

// A move without the left button means its release went elsewhere: the
// stroke ends there instead of painting on with no button held.
TEST_F(Tools, AMoveWithoutTheButtonEndsTheStroke) {
    Mode(EditTransparent);
    Press(35, 25);
    MoveFree(45, 25);
    EXPECT_EQ(Editing().ButtonDown, 0);
    MoveHeld(55, 25);
    ExpectPicture(TransparentAt({{3, 2}}));
}

TEST_F(Tools, TheModeIsReadOnEveryMessage) {
    Mode(EditTransparent);
    Press(35, 25);
    Mode(EditRealColour);
    MoveHeld(35, 25);
    ExpectPicture(loaded);
}

} // namespace
