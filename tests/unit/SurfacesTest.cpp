// The surface registry, the current target and the showing of drawn areas.

#include "GraphicsTesting.h"

#include "ui/Handles.h"

#include <thread>

namespace {

using Surfaces = GraphicsTest;

constexpr Colour FACE = 0xF0F0F0;

TEST_F(Surfaces, NewBitmapSurfaceGivesFreshHandlesWithoutTakingTheTarget) {
    const Handle first = NewBitmapSurface(4, 3);
    const Handle second = NewBitmapSurface(4, 3);
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(CurrentSurface(), 0u);
    int width = 0, height = 0;
    ASSERT_NE(SurfacePixels(first, &width, &height), nullptr);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 3);
}

TEST_F(Surfaces, NewBitmapSurfaceRefusesImpossibleSizes) {
    const int sizes[][2] = {{0, 5},       {5, 0},       {-1, 5},       {5, -1},
                            {1 << 16, 1}, {1, 1 << 16}, {30000, 30000}};
    for (const auto& size : sizes) {
        EXPECT_EQ(NewBitmapSurface(size[0], size[1]), 0u) << size[0] << " x " << size[1];
    }
    AttachSurface(0, 0, false);
    EXPECT_EQ(CurrentSurface(), 0u);
    ClearSurface(0x123456, 0); // on no target: nothing happens
    EXPECT_EQ(GetSurfacePixel(0, 0), CLR_INVALID);
}

TEST_F(Surfaces, AControlSurfaceStartsInTheFaceColour) {
    const Handle control = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(control, 7, 5));
    for (Colour c : PixelsOf(control))
        ASSERT_EQ(c, FACE);
}

TEST_F(Surfaces, RegisterControlSurfaceRefusesZeroAndTakenHandles) {
    const Handle bitmap = NewBitmapSurface(2, 2);
    const Handle control = NewHandle();
    EXPECT_FALSE(RegisterControlSurface(0, 10, 10));
    EXPECT_FALSE(RegisterControlSurface(bitmap, 10, 10));
    EXPECT_TRUE(RegisterControlSurface(control, 10, 10));
    EXPECT_FALSE(RegisterControlSurface(control, 10, 10));
    EXPECT_FALSE(RegisterControlSurface(NewHandle(), -1, 10));
    int width = 0;
    SurfacePixels(bitmap, &width, nullptr);
    EXPECT_EQ(width, 2) << "the bitmap must keep its own record";
}

TEST_F(Surfaces, AControlWithAnEmptyClientAreaIsStillASurface) {
    const Handle control = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(control, 0, 0));
    int width = -1, height = -1;
    EXPECT_NE(SurfacePixels(control, &width, &height), nullptr);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    AttachSurface(control, 0, false);
    DrawBox(0, 0, 5, 5, 0, 0, 0, 0);
    ClearSurface(0, 0);
    EXPECT_EQ(GetSurfacePixel(0, 0), CLR_INVALID);
}

TEST_F(Surfaces, OnlyTheFirstControlTakesAnEmptyTarget) {
    const Handle first = NewHandle();
    const Handle second = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(first, 3, 3));
    EXPECT_EQ(CurrentSurface(), first);
    ASSERT_TRUE(RegisterControlSurface(second, 3, 3));
    EXPECT_EQ(CurrentSurface(), first);
}

TEST_F(Surfaces, AFirstControlLeavesAnExistingTargetAlone) {
    const Handle bitmap = NewBitmapSurface(2, 2);
    AttachSurface(bitmap, 0, false);
    ASSERT_TRUE(RegisterControlSurface(NewHandle(), 3, 3));
    EXPECT_EQ(CurrentSurface(), bitmap);
}

TEST_F(Surfaces, AttachingSomethingThatIsNoSurfaceLeavesNoTarget) {
    const Handle bitmap = NewBitmapSurface(2, 2);
    AttachSurface(bitmap, 0, false);
    AttachSurface(NewHandle(), 0, false);
    EXPECT_EQ(CurrentSurface(), 0u);
    SetSurfacePixel(0, 0, 0x0000FF);
    AttachSurface(bitmap, 0, false);
    EXPECT_EQ(GetSurfacePixel(0, 0), 0u) << "drawing without a target must not reach the bitmap";
}

namespace finder {
Handle dialog = 0;
Handle control = 0;
Handle button = 0;
Handle Find(Handle owner, int id) {
    if (owner != dialog) return 0;
    if (id == 7) return control;
    if (id == 8) return button;
    return 0;
}
} // namespace finder

TEST_F(Surfaces, AttachFindsTheControlOfADialogThroughTheFinder) {
    finder::dialog = NewBitmapSurface(2, 2); // a dialog that is also a surface, to tell them apart
    finder::control = NewHandle();
    finder::button = NewHandle(); // a control that has no surface
    ASSERT_TRUE(RegisterControlSurface(finder::control, 4, 4));
    SetControlFinder(finder::Find);

    AttachSurface(finder::dialog, 7, false);
    EXPECT_EQ(CurrentSurface(), finder::control);
    AttachSurface(finder::dialog, 8, false);
    EXPECT_EQ(CurrentSurface(), 0u) << "a control found is taken even when it is no surface";
    AttachSurface(finder::dialog, 9, false);
    EXPECT_EQ(CurrentSurface(), finder::dialog) << "no control found: the owner itself";
}

TEST_F(Surfaces, TheTargetIsKeptPerThread) {
    const Handle bitmap = NewBitmapSurface(2, 2);
    AttachSurface(bitmap, 0, false);
    Handle seenByOther = 1;
    std::thread other([&] {
        seenByOther = CurrentSurface();
        AttachSurface(bitmap, 0, false);
    });
    other.join();
    EXPECT_EQ(seenByOther, 0u);
    EXPECT_EQ(CurrentSurface(), bitmap);
}

TEST_F(Surfaces, PixelsStayAtTheirAddressWhileOtherSurfacesAreMade) {
    const Handle first = NewBitmapSurface(3, 3);
    const Colour* before = SurfacePixels(first, nullptr, nullptr);
    for (int i = 0; i < 2000; ++i)
        ASSERT_NE(NewBitmapSurface(1, 1), 0u);
    EXPECT_EQ(SurfacePixels(first, nullptr, nullptr), before);
    EXPECT_EQ(SurfacePixels(NewHandle(), nullptr, nullptr), nullptr);
}

TEST_F(Surfaces, ResetForgetsSurfacesAndTheTarget) {
    const Handle bitmap = NewBitmapSurface(2, 2);
    AttachSurface(bitmap, 0, false);
    ResetSurfacesForTests();
    EXPECT_EQ(CurrentSurface(), 0u);
    EXPECT_EQ(SurfacePixels(bitmap, nullptr, nullptr), nullptr);
}

// --- Showing what was drawn ---------------------------------------------------

TEST_F(Surfaces, AnImmediateControlShowsEachDrawnAreaAtOnce) {
    const Handle canvas = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(canvas, 30, 20));
    const Handle bitmap = NewBitmapSurface(40, 40);
    AttachSurface(canvas, 0, false);

    SetSurfacePixel(3, 4, 0);
    DrawBox(5, 6, 10, 9, 0, 0, 0, 0);
    DrawBox(0, 0, 11, 11, 0, 0, 0, 0);
    DrawBox(25, 15, 35, 25, 0, 0, 0, 0);
    ClearSurface(0xFFFFFF, 0);
    CopySurfaceAt(bitmap, 0, 28, 18, 9);
    const std::vector<Presentation> expected = {{canvas, 3, 4, 4, 5},   {canvas, 4, 5, 11, 10},
                                                {canvas, 0, 0, 12, 12}, {canvas, 24, 14, 30, 20},
                                                {canvas, 0, 0, 30, 20}, {canvas, 0, 0, 30, 20}};
    EXPECT_EQ(Presented(), expected);
}

TEST_F(Surfaces, DrawingOutsideAnImmediateControlShowsNothing) {
    const Handle canvas = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(canvas, 30, 20));
    AttachSurface(canvas, 0, false);
    SetSurfacePixel(-1, 5, 0);
    SetSurfacePixel(30, 5, 0);
    DrawBox(40, 40, 50, 50, 0, 0, 0, 0);
    GetSurfacePixel(3, 3);
    EXPECT_TRUE(Presented().empty());
}

TEST_F(Surfaces, ADeferredControlShowsNothingUntilRedrawn) {
    const Handle canvas = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(canvas, 30, 20));
    AttachSurface(canvas, 0, true);
    ClearSurface(0xC0C0C0, 0);
    SetSurfacePixel(5, 5, 0);
    DrawBox(1, 1, 4, 4, 0, 0, 0, 0);
    EXPECT_TRUE(Presented().empty());

    RedrawSurface();
    const std::vector<Presentation> whole = {{canvas, 0, 0, 30, 20}};
    EXPECT_EQ(Presented(), whole);
}

TEST_F(Surfaces, ReattachingWithoutDeferringShowsTheAccumulatedArea) {
    const Handle canvas = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(canvas, 30, 20));
    AttachSurface(canvas, 0, true);
    SetSurfacePixel(5, 5, 0);
    DrawBox(10, 10, 20, 15, 0, 0, 0, 0);
    EXPECT_TRUE(Presented().empty());

    AttachSurface(canvas, 0, false);
    EXPECT_TRUE(Presented().empty()) << "attaching alone shows nothing";
    SetSurfacePixel(2, 3, 0);
    SetSurfacePixel(7, 7, 0);
    const std::vector<Presentation> expected = {{canvas, 2, 3, 21, 16}, {canvas, 7, 7, 8, 8}};
    EXPECT_EQ(Presented(), expected);
}

TEST_F(Surfaces, RedrawEmptiesTheDirtyRectangle) {
    const Handle canvas = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(canvas, 30, 20));
    AttachSurface(canvas, 0, true);
    DrawBox(10, 10, 20, 15, 0, 0, 0, 0);
    RedrawSurface();
    AttachSurface(canvas, 0, false);
    SetSurfacePixel(1, 1, 0);
    const std::vector<Presentation> expected = {{canvas, 0, 0, 30, 20}, {canvas, 1, 1, 2, 2}};
    EXPECT_EQ(Presented(), expected);
}

TEST_F(Surfaces, AnOffscreenBitmapIsAlwaysDeferredAndNeverShown) {
    const Handle bitmap = NewBitmapSurface(10, 10);
    AttachSurface(bitmap, 0, false);
    ClearSurface(0xFFFFFF, 0);
    SetSurfacePixel(1, 1, 0);
    RedrawSurface();
    EXPECT_TRUE(Presented().empty());
}

TEST_F(Surfaces, RedrawShowsTheWholeControlEvenWhenNothingWasDrawn) {
    const Handle canvas = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(canvas, 12, 9));
    AttachSurface(canvas, 0, false);
    RedrawSurface();
    const std::vector<Presentation> expected = {{canvas, 0, 0, 12, 9}};
    EXPECT_EQ(Presented(), expected);
}

} // namespace
