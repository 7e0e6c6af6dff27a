// "Mover papel": the hit test on the press, the paper following the pointer
// one to one, the pointer shapes, and the end of the drag.

#include "CanvasTesting.h"

#include "ui/dialogs/Pointers.h"

#include <limits>

namespace {

class Drag : public CanvasTest {
  protected:
    void SetUp() override {
        CanvasTest::SetUp();
        SetMousePointer(POINTER_ARROW);
    }
};

TEST_F(Drag, APressOnThePaperStartsADragUnderTheCrossHairWithoutMovingAnything) {
    Press(100, 120);
    const EditingState& state = Editing();
    EXPECT_EQ(state.ActiveItem, PAPER_ITEM);
    EXPECT_EQ(Paper().Dragging, 1);
    EXPECT_EQ(state.LastMouseX, 100);
    EXPECT_EQ(state.LastMouseY, 120);
    EXPECT_EQ(CurrentMousePointer(), POINTER_CROSS);
    EXPECT_EQ(Offset(), std::make_pair(0, 0));
    EXPECT_EQ(Refreshes(), 0);
    EXPECT_EQ(state.ButtonDown, 0);
}

TEST_F(Drag, ThePaperFollowsThePointerOneToOneWithoutLimit) {
    Press(100, 120);
    MoveHeld(130, 110);
    EXPECT_EQ(Offset(), std::make_pair(30, -10));
    EXPECT_EQ(Refreshes(), 1);
    SetMousePointer(POINTER_ARROW);
    MoveHeld(-50, -60); // outside the canvas: it keeps following
    EXPECT_EQ(Offset(), std::make_pair(-150, -180));
    EXPECT_EQ(CurrentMousePointer(), POINTER_CROSS) << "set again on every step";
    MoveHeld(CLIENT_WIDTH + 4000, -6000);
    EXPECT_EQ(Offset(), std::make_pair(-150 + CLIENT_WIDTH + 4050, -180 - 5940));
    EXPECT_EQ(Refreshes(), 2);
    EXPECT_EQ(Editing().LastMouseX, CLIENT_WIDTH + 4000);
    EXPECT_EQ(Editing().LastMouseY, -6000);
    // The canvas shows the paper where it now lies: entirely out of sight.
    EXPECT_EQ(CanvasPixel(600, 400), BACKGROUND_COLOUR);
}

TEST_F(Drag, TheCanvasShowsThePaperAtItsNewPlace) {
    Press(500, 500);
    MoveHeld(537, 481);
    // Paper (0, 0) now lies at canvas (37, -19): column 0's cells start at x 38.
    EXPECT_EQ(CanvasPixel(36, 100), BACKGROUND_COLOUR);
    EXPECT_EQ(CanvasPixel(37, 100), GRID_COLOUR);
    EXPECT_EQ(CanvasPixel(42, 100), LoadedColour(0, 11));
}

TEST_F(Drag, TheReleaseEndsTheDragWithTheArrowAndPaintsNothing) {
    Press(100, 120);
    MoveHeld(110, 120);
    Refreshes();
    Release(-30, -40); // wherever the release happens
    EXPECT_EQ(Paper().Dragging, 0);
    EXPECT_EQ(Editing().ActiveItem, 0);
    EXPECT_EQ(CurrentMousePointer(), POINTER_ARROW);
    EXPECT_EQ(Refreshes(), 0);
    MoveHeld(300, 300);
    MoveFree(400, 300);
    EXPECT_EQ(Offset(), std::make_pair(10, 0)) << "no jump after the release";
}

TEST_F(Drag, ANewPressAfterTheReleaseStartsFromItsOwnPoint) {
    Press(100, 100);
    MoveHeld(120, 100);
    Release(120, 100);
    Press(500, 500);
    MoveHeld(505, 500);
    EXPECT_EQ(Offset(), std::make_pair(25, 0));
}

TEST_F(Drag, AMoveWithoutTheButtonEndsTheDragWithoutAJump) {
    Press(100, 100);
    MoveHeld(110, 100);
    MoveFree(600, 600);
    EXPECT_EQ(Paper().Dragging, 0);
    EXPECT_EQ(Editing().ActiveItem, 0);
    EXPECT_EQ(CurrentMousePointer(), POINTER_ARROW);
    MoveHeld(650, 650);
    EXPECT_EQ(Offset(), std::make_pair(10, 0));
}

TEST_F(Drag, TheHitTestIncludesBothEdgesOfThePaper) {
    SetOffset(-ZOOM_SIZE + 100, -ZOOM_SIZE + 100); // the paper ends at canvas (100, 100)
    Press(101, 50);
    EXPECT_EQ(Editing().ActiveItem, 0) << "right of the paper";
    Press(50, 101);
    EXPECT_EQ(Editing().ActiveItem, 0) << "below the paper";
    EXPECT_EQ(CurrentMousePointer(), POINTER_ARROW);
    Press(100, 100);
    EXPECT_EQ(Editing().ActiveItem, PAPER_ITEM);
    EXPECT_EQ(Paper().Dragging, 1);
    Release(100, 100);
    SetOffset(50, 50);
    Press(50, 50);
    EXPECT_EQ(Paper().Dragging, 1) << "its top-left corner";
}

TEST_F(Drag, APressMissingThePaperStartsNothing) {
    SetOffset(300, 300);
    Press(200, 200);
    EXPECT_EQ(Editing().ActiveItem, 0);
    EXPECT_EQ(Paper().Dragging, 0);
    MoveHeld(250, 250);
    EXPECT_EQ(Offset(), std::make_pair(300, 300));
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(Drag, ItemZeroHitAtTheOriginNeverDrags) {
    SetOffset(10, 10);
    Press(0, 0);
    EXPECT_EQ(Editing().ActiveItem, 0);
    EXPECT_EQ(Editing().DragItems[0].Dragging, 0);
    EXPECT_EQ(CurrentMousePointer(), POINTER_ARROW);
}

TEST_F(Drag, AReleaseInAnEditingModeEndsADragToo) {
    Press(100, 100);
    Mode(EditTransparent);
    Release(100, 100);
    EXPECT_EQ(Paper().Dragging, 0);
    EXPECT_EQ(Editing().ActiveItem, 0);
    EXPECT_EQ(Editing().ButtonDown, 0);
    EXPECT_EQ(CurrentMousePointer(), POINTER_ARROW);
}

TEST_F(Drag, ReleasesInEditingModesSetTheArrowToo) {
    Mode(EditTransparent);
    Press(35, 25);
    EXPECT_EQ(CurrentMousePointer(), POINTER_ARROW) << "a press in an editing mode keeps it";
    SetMousePointer(POINTER_CROSS);
    Release(35, 25);
    EXPECT_EQ(CurrentMousePointer(), POINTER_ARROW);
}

TEST_F(Drag, KeysAndTheWheelWorkDuringADrag) {
    Press(100, 100);
    Key(VK_RIGHT);
    Wheel(-120);
    MoveHeld(101, 100);
    EXPECT_EQ(Offset(), std::make_pair(-9, -15));
}

// The offset of a paper dragged far away stays at the end of its range, and
// the pointed pixel there is computed without overflow.
TEST_F(Drag, AFarDraggedPaperNeitherWrapsNorOverflows) {
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    const std::int32_t min = std::numeric_limits<std::int32_t>::min();
    Editing().ActiveItem = PAPER_ITEM;
    Paper().Dragging = 1;
    SetOffset(max - 5, min + 5);
    Editing().LastMouseX = 0;
    Editing().LastMouseY = 0;
    MoveHeld(32767, -32768);
    EXPECT_EQ(Offset(), std::make_pair(max, min));
    Mode(EditTransparent);
    Press(5, 5);
    ExpectPicture(loaded);
    Release(0, 0);
    Mode(MovePaper);
    Press(0, 0);
    EXPECT_EQ(Paper().Dragging, 0) << "nothing to hit out there";
}

} // namespace
