// Block copies between surfaces and the mix codes.

#include "GraphicsTesting.h"

#include "ui/Handles.h"

#include <algorithm>
#include <string>

namespace {

using Copying = GraphicsTest;

// A random off-screen bitmap.
Handle RandomBitmap(std::mt19937& random, int width, int height) {
    const Handle surface = NewBitmapSurface(width, height);
    AttachSurface(surface, 0, false);
    PaintRandomly(random, width, height);
    return surface;
}

// What the target should hold after the source, placed at (x, y), is mixed
// into it: computed one pixel at a time from the mix-code table.
std::vector<Colour> ReferenceCopy(const std::vector<Colour>& target, int tw, int th,
                                  const std::vector<Colour>& source, int sw, int sh, int x, int y,
                                  std::uint32_t code) {
    std::vector<Colour> result = target;
    for (int ty = 0; ty < th; ++ty) {
        for (int tx = 0; tx < tw; ++tx) {
            const int sx = tx - x, sy = ty - y;
            if (sx < 0 || sy < 0 || sx >= sw || sy >= sh) continue;
            const std::size_t t = std::size_t(ty * tw + tx);
            result[t] = ReferenceMix(code, source[std::size_t(sy * sw + sx)], target[t]);
        }
    }
    return result;
}

class MixCodes : public Copying, public testing::WithParamInterface<std::uint32_t> {};

TEST_P(MixCodes, EveryPixelFollowsTheTable) {
    const std::uint32_t code = GetParam();
    std::mt19937 random(code + 1);
    const Handle source = RandomBitmap(random, 13, 9);
    const Handle target = RandomBitmap(random, 11, 10);
    const std::vector<Colour> before = PixelsOf(target);
    CopySurface(source, 0, code);
    const std::vector<Colour> expected =
        ReferenceCopy(before, 11, 10, PixelsOf(source), 13, 9, 0, 0, code);
    const std::vector<Colour> after = PixelsOf(target);
    for (std::size_t i = 0; i < after.size(); ++i) {
        ASSERT_EQ(after[i], expected[i]) << "mix code " << code << ", pixel " << i;
        ASSERT_EQ(GetSurfacePixel(int(i % 11), int(i / 11)) >> 24, 0u)
            << "mix code " << code << " left a top byte, pixel " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(AllCodes, MixCodes,
                         testing::Values(0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 13u,
                                         14u, 15u, 16u, 0xCC0020u, 0xFFFFFFFFu),
                         [](const auto& info) { return "code" + std::to_string(info.param); });

TEST_F(Copying, NotAndXorGiveColoursWithAZeroTopByte) {
    const Handle source = NewBitmapSurface(2, 1);
    AttachSurface(source, 0, false);
    SetSurfacePixel(0, 0, 0x000000);
    SetSurfacePixel(1, 0, 0x123456);
    const Handle target = NewBitmapSurface(2, 1);
    AttachSurface(target, 0, false);
    ClearSurface(0xFFFFFF, 0);
    CopySurface(source, 0, 4); // NOT source
    EXPECT_EQ(GetSurfacePixel(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(GetSurfacePixel(1, 0), 0x00EDCBA9u);
    CopySurface(source, 0, 7); // XOR
    EXPECT_EQ(GetSurfacePixel(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(GetSurfacePixel(1, 0), 0x00FFFFFFu);
    CopySurface(source, 0, 2); // NOT (source OR target)
    EXPECT_EQ(GetSurfacePixel(0, 0), 0u);
    CopySurface(source, 0, 12); // NOT source OR target
    EXPECT_EQ(GetSurfacePixel(0, 0), 0x00FFFFFFu);
}

TEST_F(Copying, ALargeViewOntoTheCanvasCopiesOnlyWhatFits) {
    std::mt19937 random(7);
    const Handle view = RandomBitmap(random, 1200, 950);
    const Handle canvas = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(canvas, 1198, 948));
    AttachSurface(canvas, 0, false);
    CopySurface(view, 0, 0xCC0020);
    const std::vector<Colour> from = PixelsOf(view);
    const std::vector<Colour> onto = PixelsOf(canvas);
    ASSERT_EQ(onto.size(), std::size_t(1198 * 948));
    for (int y = 0; y < 948; ++y) {
        ASSERT_TRUE(std::equal(onto.begin() + y * 1198, onto.begin() + (y + 1) * 1198,
                               from.begin() + y * 1200))
            << "row " << y;
    }
}

TEST_F(Copying, ASmallBitmapLeavesTheRestOfTheCanvasAsItWas) {
    std::mt19937 random(8);
    const Handle small = RandomBitmap(random, 5, 5);
    const Handle canvas = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(canvas, 40, 30));
    AttachSurface(canvas, 0, false);
    CopySurface(small, 0, 0xCC0020);
    const std::vector<Colour> expected = ReferenceCopy(std::vector<Colour>(40 * 30, 0xF0F0F0), 40,
                                                       30, PixelsOf(small), 5, 5, 0, 0, 0);
    EXPECT_EQ(PixelsOf(canvas), expected);
}

TEST_F(Copying, AnAndCopyAtANegativeOffsetMasksFromTheSourcesInnerCorner) {
    // Source: black and white stripes. Target: random colours.
    const Handle paper = NewBitmapSurface(300, 200);
    AttachSurface(paper, 0, false);
    ClearSurface(0xFFFFFF, 0);
    for (int x = 0; x < 300; x += 3)
        DrawBox(x, 0, x + 1, 200, 0, 0x000000, 0x000000, 0);
    std::mt19937 random(9);
    const Handle view = RandomBitmap(random, 120, 95);
    const std::vector<Colour> before = PixelsOf(view);
    CopySurfaceAt(paper, 0, -100, -50, 9);
    const std::vector<Colour> after = PixelsOf(view);
    for (int y = 0; y < 95; ++y) {
        for (int x = 0; x < 120; ++x) {
            const std::size_t i = std::size_t(y * 120 + x);
            const bool black = (x + 100) % 3 == 0;
            ASSERT_EQ(after[i], black ? 0u : before[i]) << "pixel (" << x << ", " << y << ")";
        }
    }
}

TEST_F(Copying, FastCopiesMatchAPixelByPixelCopyAtRandomOffsets) {
    std::mt19937 random(10);
    const std::uint32_t codes[] = {0, 2, 4, 5, 7, 9, 12, 15, 0xCC0020};
    std::uniform_int_distribution<int> side(1, 30);
    std::uniform_int_distribution<int> offset(-35, 35);
    for (int round = 0; round < 400; ++round) {
        const int sw = side(random), sh = side(random), tw = side(random), th = side(random);
        const Handle source = RandomBitmap(random, sw, sh);
        const Handle target = RandomBitmap(random, tw, th);
        const int x = offset(random), y = offset(random);
        const std::uint32_t code = codes[random() % std::size(codes)];
        const std::vector<Colour> before = PixelsOf(target);
        CopySurfaceAt(source, 0, x, y, code);
        ASSERT_EQ(PixelsOf(target),
                  ReferenceCopy(before, tw, th, PixelsOf(source), sw, sh, x, y, code))
            << sw << " x " << sh << " onto " << tw << " x " << th << " at (" << x << ", " << y
            << ") with mix code " << code;
    }
}

TEST_F(Copying, ASurfaceCopiedOntoItselfReadsItsOldPixels) {
    std::mt19937 random(11);
    const Handle surface = RandomBitmap(random, 16, 12);
    const std::vector<Colour> before = PixelsOf(surface);
    CopySurfaceAt(surface, 0, 3, 2, 7);
    EXPECT_EQ(PixelsOf(surface), ReferenceCopy(before, 16, 12, before, 16, 12, 3, 2, 7));
}

TEST_F(Copying, NothingIsCopiedFromSomethingThatIsNoSurfaceOrWithoutATarget) {
    std::mt19937 random(12);
    const Handle source = RandomBitmap(random, 4, 4);
    const Handle target = RandomBitmap(random, 4, 4);
    const std::vector<Colour> before = PixelsOf(target);
    CopySurface(NewHandle(), 0, 0);
    CopySurfaceAt(0, 0, 0, 0, 0);
    EXPECT_EQ(PixelsOf(target), before);
    AttachSurface(0, 0, false);
    CopySurface(source, 0, 0);
    EXPECT_EQ(PixelsOf(target), before);
}

namespace finder {
Handle dialog = 0;
Handle control = 0;
Handle Find(Handle owner, int id) {
    return owner == dialog && id == 3 ? control : 0;
}
} // namespace finder

TEST_F(Copying, TheSourceIsFoundLikeTheTarget) {
    std::mt19937 random(13);
    finder::dialog = NewHandle();
    finder::control = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(finder::control, 6, 6));
    AttachSurface(finder::control, 0, false);
    PaintRandomly(random, 6, 6);
    SetControlFinder(finder::Find);
    const Handle target = NewBitmapSurface(6, 6);
    AttachSurface(target, 0, false);
    CopySurface(finder::dialog, 3, 0);
    EXPECT_EQ(PixelsOf(target), PixelsOf(finder::control));
}

} // namespace
