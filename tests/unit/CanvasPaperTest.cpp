// The paper: the image drawn once, magnified, when the main window starts,
// and changed one square at a time by PaintCell.

#include "../support/EditorSession.h"
#include "PaperReference.h"

#include "canvas/Rendering.h"

#include <gtest/gtest.h>

namespace {

class CanvasPaper : public testing::Test {
  protected:
    Picture OpenPicture(int width, int height, unsigned seed) {
        Picture image{width, height, RandomPicture(width, height, seed)};
        session.Open(width, height, image.pixels);
        return image;
    }
    EditorSession session;
};

testing::AssertionResult PaperShows(const Picture& image) {
    return SurfaceShows(Editing().ZoomBitmap, ZOOM_SIZE, ZOOM_SIZE,
                        [&](int x, int y) { return ExpectedPaperPixel(image, x, y); });
}

Colour PaperPixel(int x, int y) {
    int width = 0;
    return SurfacePixels(Editing().ZoomBitmap, &width, nullptr)[std::size_t(y) * width + x];
}

TEST_F(CanvasPaper, OneByOneImageIsOneSquareAtTheTopLeftOnWhite) {
    const Picture image{1, 1, {0x3366CC}};
    session.Open(1, 1, image.pixels);
    EXPECT_TRUE(PaperShows(image));
    EXPECT_EQ(PaperPixel(0, 0), BLACK);
    EXPECT_EQ(PaperPixel(10, 10), BLACK);
    EXPECT_EQ(PaperPixel(1, 1), 0x3366CCu);
    EXPECT_EQ(PaperPixel(9, 9), 0x3366CCu);
    EXPECT_EQ(PaperPixel(11, 5), WHITE);
    EXPECT_EQ(PaperPixel(5, 11), WHITE);

    // Cells has a spare column and row that stay zero.
    ASSERT_EQ(Editing().Cells.size(), 4u);
    for (const auto& [i, j] : {std::pair{1, 0}, {0, 1}, {1, 1}}) {
        const PixelCell& cell = Editing().CellAt(i, j);
        EXPECT_TRUE(cell.Left == 0 && cell.Top == 0 && cell.Right == 0 && cell.Bottom == 0 &&
                    cell.RealColour == 0)
            << "cell (" << i << ", " << j << ")";
    }
}

TEST_F(CanvasPaper, FiveHundredSquareImageHasNoRightOrBottomLine) {
    const Picture image = OpenPicture(500, 500, 11);
    EXPECT_TRUE(PaperShows(image));
    // Column and row 5000 would hold the last lines; the paper ends before them.
    for (int k = 1; k < CELL_SIZE; ++k) {
        EXPECT_EQ(PaperPixel(4999, 4990 + k), image.at(499, 499)) << "row " << 4990 + k;
        EXPECT_EQ(PaperPixel(4990 + k, 4999), image.at(499, 499)) << "column " << 4990 + k;
        EXPECT_EQ(PaperPixel(4999, k), image.at(499, 0)) << "row " << k;
        EXPECT_EQ(PaperPixel(k, 4999), image.at(0, 499)) << "column " << k;
    }
    const PixelCell& last = Editing().CellAt(499, 499);
    EXPECT_EQ(last.Right, 5001);
    EXPECT_EQ(last.Bottom, 5001);
}

TEST_F(CanvasPaper, CellsHoldEachSquareAndTheColourAsLoaded) {
    const Picture image = OpenPicture(7, 5, 12);
    ASSERT_EQ(Editing().Cells.size(), 8u * 6u);
    for (int j = 0; j <= 5; ++j) {
        for (int i = 0; i <= 7; ++i) {
            const PixelCell& cell = Editing().CellAt(i, j);
            const bool filled = i < 7 && j < 5;
            EXPECT_EQ(cell.Left, filled ? 10 * i : 0) << i << ", " << j;
            EXPECT_EQ(cell.Top, filled ? 10 * j : 0) << i << ", " << j;
            EXPECT_EQ(cell.Right, filled ? 10 * i + 11 : 0) << i << ", " << j;
            EXPECT_EQ(cell.Bottom, filled ? 10 * j + 11 : 0) << i << ", " << j;
            EXPECT_EQ(cell.RealColour, filled ? image.at(i, j) : 0u) << i << ", " << j;
        }
    }
}

TEST_F(CanvasPaper, RealColourStaysAsLoadedThroughEdits) {
    const Picture image = OpenPicture(7, 5, 13);
    const SurfaceCopy paperBefore = CopyOf(Editing().ZoomBitmap);
    for (int round = 0; round < 3; ++round) {
        PaintCell(3, 2, Editing().TransparentColour);
        PaintCell(3, 2, Editing().CellAt(3, 2).RealColour);
    }
    PaintCell(5, 4, Editing().CellAt(5, 4).RealColour); // never edited: the same colour again
    for (int j = 0; j < 5; ++j) {
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(Editing().CellAt(i, j).RealColour, image.at(i, j)) << i << ", " << j;
    }
    EXPECT_TRUE(CopyOf(Editing().ImageBitmap).pixels == image.pixels);
    EXPECT_TRUE(CopyOf(Editing().ZoomBitmap) == paperBefore);
}

struct RepaintCase {
    int width, height, i, j;
};

void PrintTo(const RepaintCase& c, std::ostream* out) {
    *out << "square (" << c.i << ", " << c.j << ") of " << c.width << " x " << c.height;
}

class RepaintedSquare : public CanvasPaper, public testing::WithParamInterface<RepaintCase> {};

TEST_P(RepaintedSquare, KeepsItsBorderAndItsNeighbours) {
    const RepaintCase c = GetParam();
    Picture image = OpenPicture(c.width, c.height, 14);
    const Colour newColour = Editing().TransparentColour;
    PaintCell(c.i, c.j, newColour);

    image.pixels[std::size_t(c.j) * c.width + c.i] = newColour;
    EXPECT_TRUE(PaperShows(image)) << "square (" << c.i << ", " << c.j << ")";
    EXPECT_TRUE(CopyOf(Editing().ImageBitmap).pixels == image.pixels);
    EXPECT_NE(Editing().CellAt(c.i, c.j).RealColour, newColour);
}

INSTANTIATE_TEST_SUITE_P(Squares, RepaintedSquare,
                         testing::Values(RepaintCase{20, 15, 7, 4}, RepaintCase{20, 15, 0, 0},
                                         RepaintCase{20, 15, 19, 14}, RepaintCase{1, 1, 0, 0},
                                         RepaintCase{500, 500, 499, 499}));

} // namespace
