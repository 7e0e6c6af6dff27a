// The keys and the wheel move the paper by their steps, under their
// conditions, and each key that acts and every wheel message refresh once.

#include "CanvasTesting.h"

#include <ostream>
#include <string>

namespace {

// The image is 150 x 120: the arrow-key limits are -1490 in x and -1190 in y.
constexpr int LIMIT_X = 10 - 10 * 150;
constexpr int LIMIT_Y = 10 - 10 * 120;

struct KeyCase {
    std::string name;
    WParam wParam;
    int fromX, fromY;
    int toX, toY;
    bool refreshes;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << c.name << " from (" << c.fromX << ", " << c.fromY << ")";
}

class KeyTable : public CanvasTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTable, MovesThePaperByItsStepWhenItsConditionHolds) {
    const KeyCase& c = GetParam();
    SetOffset(c.fromX, c.fromY);
    Send(WM_KEYDOWN, c.wParam, 1);
    EXPECT_EQ(Offset(), std::make_pair(c.toX, c.toY)) << c;
    EXPECT_EQ(Refreshes(), c.refreshes ? 1 : 0) << c;
}

INSTANTIATE_TEST_SUITE_P(
    CanvasKeys, KeyTable,
    testing::Values(
        KeyCase{"RightFromOrigin", VK_RIGHT, 0, 0, -10, 0, true},
        KeyCase{"RightKeepsY", VK_RIGHT, 0, -7, -10, -7, true},
        KeyCase{"RightStopsAtTheLastColumn", VK_RIGHT, LIMIT_X, 0, LIMIT_X, 0, false},
        KeyCase{"RightOvershootsOffTheMultiples", VK_RIGHT, LIMIT_X + 5, 0, LIMIT_X - 5, 0, true},
        KeyCase{"RightFromBeyondTheLimit", VK_RIGHT, LIMIT_X - 3, 0, LIMIT_X - 3, 0, false},
        KeyCase{"LeftAtOriginDoesNothing", VK_LEFT, 0, 0, 0, 0, false},
        KeyCase{"LeftFromMinusTen", VK_LEFT, -10, 0, 0, 0, true},
        KeyCase{"LeftOvershootsZero", VK_LEFT, -5, 0, 5, 0, true},
        KeyCase{"LeftFromAPositiveOffset", VK_LEFT, 5, 0, 5, 0, false},
        KeyCase{"DownFromOrigin", VK_DOWN, 0, 0, 0, -10, true},
        KeyCase{"DownKeepsX", VK_DOWN, -33, 0, -33, -10, true},
        KeyCase{"DownStopsAtTheLastRow", VK_DOWN, 0, LIMIT_Y, 0, LIMIT_Y, false},
        KeyCase{"DownOvershootsOffTheMultiples", VK_DOWN, 0, LIMIT_Y + 5, 0, LIMIT_Y - 5, true},
        KeyCase{"UpAtOriginDoesNothing", VK_UP, 0, 0, 0, 0, false},
        KeyCase{"UpFromMinusFifteen", VK_UP, 0, -15, 0, -5, true},
        KeyCase{"UpOvershootsZero", VK_UP, 0, -5, 0, 5, true},
        KeyCase{"PageDownFromOrigin", VK_NEXT, 0, 0, 0, -100, true},
        KeyCase{"PageDownFromTwentyMinusTenH", VK_NEXT, 0, 20 - 10 * 120, 0, -80 - 10 * 120, true},
        KeyCase{"PageDownAtTheLimit", VK_NEXT, 0, LIMIT_Y, 0, LIMIT_Y, false},
        KeyCase{"PageDownBelowTheLimit", VK_NEXT, 0, -80 - 10 * 120, 0, -80 - 10 * 120, false},
        KeyCase{"PageUpAtOrigin", VK_PRIOR, 0, 0, 0, 0, false},
        KeyCase{"PageUpFromMinusHundred", VK_PRIOR, 0, -100, 0, 0, true},
        KeyCase{"PageUpOvershootsByNinety", VK_PRIOR, -20, -10, -20, 90, true},
        KeyCase{"EndShowsTheLastRowAndKeepsX", VK_END, -30, 40, -30, LIMIT_Y, true},
        KeyCase{"EndAlwaysRefreshes", VK_END, 0, LIMIT_Y, 0, LIMIT_Y, true},
        KeyCase{"HomeGoesBackToTheOrigin", VK_HOME, -30, -45, 0, 0, true},
        KeyCase{"HomeAlwaysRefreshes", VK_HOME, 0, 0, 0, 0, true},
        KeyCase{"OnlyTheLowWordIsTheKey", MakeWParam(int(VK_RIGHT), 1), 0, 0, -10, 0, true},
        KeyCase{"OtherKeysDoNothing", 'A', -20, -20, -20, -20, false},
        KeyCase{"ReturnDoesNothing", VK_RETURN, -20, -20, -20, -20, false}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST_F(CanvasTest, ArrowKeysStopExactlyAtTheLimitFromMultiplesOfTen) {
    for (int step = 0; step < 200; ++step)
        Key(VK_RIGHT);
    EXPECT_EQ(Paper().X, LIMIT_X);
    EXPECT_EQ(Refreshes(), 149);
    for (int step = 0; step < 200; ++step)
        Key(VK_DOWN);
    EXPECT_EQ(Paper().Y, LIMIT_Y);
}

TEST_F(CanvasTest, PageDownPassesTheLimitThenUpClimbsBackInTens) {
    SetOffset(0, 20 - 10 * H);
    Key(VK_NEXT);
    EXPECT_EQ(Paper().Y, -80 - 10 * H);
    Key(VK_DOWN);
    Key(VK_NEXT);
    EXPECT_EQ(Paper().Y, -80 - 10 * H) << "Down and Page Down do nothing below the limit";
    EXPECT_EQ(Refreshes(), 1);
    Key(VK_UP);
    EXPECT_EQ(Paper().Y, -70 - 10 * H);
    Key(VK_UP);
    EXPECT_EQ(Paper().Y, -60 - 10 * H);
}

TEST_F(CanvasTest, AtTheStartLeftUpPageUpAndTheWheelAwayMoveNothing) {
    Key(VK_LEFT);
    Key(VK_UP);
    Key(VK_PRIOR);
    Wheel(120);
    EXPECT_EQ(Offset(), std::make_pair(0, 0));
    EXPECT_EQ(Refreshes(), 1) << "only the wheel refreshes";
}

// One step after another: the message, and the offset and refreshes after it.
struct WheelStep {
    const char* what;
    int wheel;  // the delta, or 0 for a key
    WParam key; // when wheel is 0
    int expectedY;
    int refreshes;
};

TEST_F(CanvasTest, WheelStepsFifteenAndLeavesAWhiteBandAboveThePaper) {
    const WheelStep steps[] = {
        {"wheel towards the user", -120, 0, -15, 1},
        {"Up arrow", 0, VK_UP, -5, 1},
        {"wheel away", 120, 0, 10, 1},
        {"wheel away again", 120, 0, 10, 1},
        {"Up arrow", 0, VK_UP, 10, 0},
        {"Page Up", 0, VK_PRIOR, 10, 0},
        {"Down arrow", 0, VK_DOWN, 0, 1},
        {"wheel towards the user", -120, 0, -15, 1},
    };
    for (const WheelStep& step : steps) {
        if (step.wheel != 0)
            Wheel(step.wheel);
        else
            Key(step.key);
        EXPECT_EQ(Paper().Y, step.expectedY) << "after " << step.what;
        EXPECT_EQ(Refreshes(), step.refreshes) << "after " << step.what;
        if (step.expectedY == 10) {
            // The band above the paper is white; the paper's top grid line follows.
            EXPECT_EQ(CanvasPixel(55, 9), BACKGROUND_COLOUR);
            EXPECT_EQ(CanvasPixel(55, 10), GRID_COLOUR);
            EXPECT_EQ(CanvasPixel(55, 15), LoadedColour(5, 0));
        }
    }
    EXPECT_EQ(Paper().X, 0) << "the wheel never moves the paper sideways";
}

TEST_F(CanvasTest, EveryWheelMessageMovesFifteenWhateverItsDelta) {
    for (int delta : {-1, -120, -32768})
        Wheel(delta);
    EXPECT_EQ(Paper().Y, -45);
    for (int delta : {1, 720})
        Wheel(delta);
    EXPECT_EQ(Paper().Y, -15);
    EXPECT_EQ(Refreshes(), 5);
}

TEST_F(CanvasTest, WheelMayPassTheLimitByLessThanOneStep) {
    SetOffset(0, LIMIT_Y + 5);
    Wheel(-120);
    EXPECT_EQ(Paper().Y, LIMIT_Y - 10);
    Wheel(-120);
    EXPECT_EQ(Paper().Y, LIMIT_Y - 10);
    EXPECT_EQ(Refreshes(), 2);
}

TEST_F(CanvasTest, EndShowsTheLastRowAtTheTopOfTheCanvas) {
    SetOffset(-40, 0);
    Key(VK_END);
    EXPECT_EQ(CanvasPixel(5, 0), GRID_COLOUR) << "the last row's top border";
    EXPECT_EQ(CanvasPixel(5, 5), LoadedColour(4, H - 1));
    EXPECT_EQ(CanvasPixel(5, 10), GRID_COLOUR) << "its bottom border";
    EXPECT_EQ(CanvasPixel(5, 11), BACKGROUND_COLOUR);
    Key(VK_HOME);
    EXPECT_EQ(CanvasPixel(5, 5), LoadedColour(0, 0));
}

TEST_F(CanvasTest, KeysMoveThePictureOnTheCanvas) {
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(Offset(), std::make_pair(-20, -10));
    // Canvas (x, y) shows paper (x + 20, y + 10).
    EXPECT_EQ(CanvasPixel(0, 0), GRID_COLOUR);
    EXPECT_EQ(CanvasPixel(5, 5), LoadedColour(2, 1));
    EXPECT_EQ(CanvasPixel(1197, 947), LoadedColour(121, 95));
}

TEST_F(CanvasTest, AnImageOnePixelWideOrHighNeverMovesRightOrDown) {
    Open(1, 1);
    for (WParam key : {VK_RIGHT, VK_DOWN, VK_NEXT})
        Key(key);
    Wheel(-120);
    EXPECT_EQ(Offset(), std::make_pair(0, 0));
    Key(VK_END);
    EXPECT_EQ(Offset(), std::make_pair(0, 0)) << "the last row is the first";
    EXPECT_EQ(Refreshes(), 2) << "the wheel and End";
}

TEST_F(CanvasTest, ATallNarrowImageStillScrollsDown) {
    Open(1, 200);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(Offset(), std::make_pair(0, -10));
}

} // namespace
