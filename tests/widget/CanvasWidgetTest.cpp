// The canvas in the editor's real main window, driven with real Qt mouse,
// key and wheel events: the state it changes and the pixels it shows. The
// canvas keeps the pointer from a left press to its release, so a stroke or
// a drag may leave the canvas and still end where the button is released.

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/Texts.h"
#include "canvas/EditingState.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Pointers.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include "QtAccess.h"

#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int W = 150;
constexpr int H = 120;
constexpr Colour MAGENTA = 0xFF00FF;

Colour LoadedColour(int i, int j) {
    return Rgb(std::uint8_t(i), std::uint8_t(j), std::uint8_t(0x80 + (i + j) % 64));
}

// What the test sees of the running editor.
struct Editor {
    QWidget* window = nullptr;
    QWindow* windowHandle = nullptr;
    QWidget* canvas = nullptr; // the client widget inside the canvas's border
    QPoint origin;             // canvas (0, 0) in window coordinates
    Handle canvasHandle = 0;

    QPoint At(int x, int y) const { return origin + QPoint(x, y); }
    void Press(int x, int y) const {
        QTest::mousePress(windowHandle, Qt::LeftButton, {}, At(x, y));
    }
    void Release(int x, int y) const {
        QTest::mouseRelease(windowHandle, Qt::LeftButton, {}, At(x, y));
    }
    void Move(int x, int y) const { QTest::mouseMove(windowHandle, At(x, y)); }
    void Wheel(int delta) const {
        QWheelEvent wheel(QPointF(300, 300), canvas->mapToGlobal(QPointF(300, 300)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
    }
    void Key(Qt::Key key) const { QTest::keyClick(windowHandle, key); }

    // A pixel as painted on the screen, from the widget itself.
    Colour Shown(int x, int y) const {
        const QRgb rgb = canvas->grab().toImage().pixel(x, y);
        return Rgb(std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb)));
    }
    // The same pixel in the canvas's drawing surface.
    Colour InSurface(int x, int y) const {
        int width = 0, height = 0;
        const Colour* pixels = SurfacePixels(canvasHandle, &width, &height);
        return pixels ? pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] : CLR_INVALID;
    }
};

Colour ImagePixel(int i, int j) {
    int width = 0, height = 0;
    const Colour* pixels = SurfacePixels(Editing().ImageBitmap, &width, &height);
    return pixels[std::size_t(j) * std::size_t(width) + std::size_t(i)];
}

std::pair<int, int> Offset() {
    const DragItem& paper = Editing().DragItems.at(PAPER_ITEM);
    return {paper.X, paper.Y};
}

// What the canvas shows at (x, y) with the paper at the current offset.
Colour Expected(int x, int y) {
    const auto [ox, oy] = Offset();
    const int px = x - ox, py = y - oy;
    if (px < 0 || py < 0 || px > CELL_SIZE * W || py > CELL_SIZE * H) return BACKGROUND_COLOUR;
    if (px % CELL_SIZE == 0 || py % CELL_SIZE == 0) return GRID_COLOUR;
    return ImagePixel(px / CELL_SIZE, py / CELL_SIZE);
}

class CanvasWidget : public testing::Test {
  protected:
    void SetUp() override {
        ResetEditingState();
        ResetSurfacesForTests();
        std::vector<Colour> pixels;
        for (int j = 0; j < H; ++j)
            for (int i = 0; i < W; ++i)
                pixels.push_back(LoadedColour(i, j));
        EditingState& state = Editing();
        state.ImageWidth = W;
        state.ImageHeight = H;
        state.ImageBitmap = NewBitmapSurfaceFrom(W, H, pixels.data());
        state.MouseMode = MovePaper;
        state.MainWindow = NewDialog(UNITS_PIXELS, 0, MAIN_WINDOW_TITLE, 200, 100, VIEW_WIDTH,
                                     VIEW_HEIGHT, 0x94CE08D4, WS_EX_CONTROLPARENT);
        BuildMainMenu(state.MainWindow);
    }
    void TearDown() override {
        ResetSurfacesForTests();
        ResetEditingState();
    }

    // Runs the editor's main window as start-up does, hands it to the checks
    // once it is active, then ends the run.
    void WhileRunning(std::function<void(const Editor&)> checks) {
        QTimer::singleShot(0, [checks] {
            Editor editor;
            editor.window = TopLevelTitled(MAIN_WINDOW_TITLE);
            QWidget* client =
                editor.window ? editor.window->findChild<QWidget*>("clientArea") : nullptr;
            editor.canvas = client ? client->childAt(5, 5) : nullptr;
            if (editor.canvas && QTest::qWaitForWindowActive(editor.window)) {
                editor.windowHandle = editor.window->windowHandle();
                editor.origin = editor.canvas->mapTo(editor.window, QPoint(0, 0));
                editor.canvasHandle = GetControlHandle(Editing().MainWindow, CanvasControlId);
                Editing().BlockWidth = 3;
                Editing().BlockHeight = 3;
                checks(editor);
            } else {
                ADD_FAILURE() << "the main window and its canvas are not shown";
            }
            EndModal(Editing().MainWindow, 0);
        });
        RunModal(Editing().MainWindow, MainWindowHandler, nullptr);
    }
};

TEST_F(CanvasWidget, TheCanvasClientAreaLiesInsideItsBorderBelowTheMenuBar) {
    WhileRunning([](const Editor& editor) {
        EXPECT_EQ(editor.canvas->size(), QSize(VIEW_WIDTH - 2, VIEW_HEIGHT - 2));
        EXPECT_GT(editor.origin.y(), 1) << "the menu bar lies above the canvas";
        EXPECT_EQ(editor.origin.x(), 1);
    });
}

TEST_F(CanvasWidget, AStrokeThatLeavesTheCanvasPaintsOnlyInsideAndEndsOnAReleaseOutside) {
    WhileRunning([](const Editor& editor) {
        SelectMouseMode(EditTransparent);
        editor.Press(35, 25);
        EXPECT_EQ(GetFocusControl(), editor.canvasHandle) << "a left press gives the focus";
        editor.Move(45, 25);
        // Left of the canvas: paper x -5 would still address column 0.
        editor.Move(-5, 25);
        // Over the menu bar, then far outside the window.
        editor.Move(55, -10);
        editor.Move(-300, -200);
        EXPECT_EQ(Editing().ButtonDown, 1) << "the stroke goes on outside";
        editor.Release(-300, -200);
        EXPECT_EQ(Editing().ButtonDown, 0) << "the release outside reached the canvas";
        // Back over the canvas with no button held: nothing more is painted.
        editor.Move(65, 25);
        editor.Move(75, 35);

        for (int i = 0; i < 8; ++i) {
            const bool painted = i == 3 || i == 4;
            EXPECT_EQ(ImagePixel(i, 2), painted ? MAGENTA : LoadedColour(i, 2)) << "pixel " << i;
            EXPECT_EQ(editor.Shown(10 * i + 5, 25), painted ? MAGENTA : LoadedColour(i, 2))
                << "canvas over pixel " << i;
        }
        EXPECT_EQ(ImagePixel(7, 3), LoadedColour(7, 3));
        EXPECT_EQ(editor.Shown(30, 25), GRID_COLOUR);
        EXPECT_EQ(editor.InSurface(35, 25), MAGENTA);
    });
}

TEST_F(CanvasWidget, ABlockStrokeFollowsTheHeldButton) {
    WhileRunning([](const Editor& editor) {
        SelectMouseMode(EditTransparentBlock);
        editor.Press(15, 15);
        editor.Move(45, 15);
        editor.Release(45, 15);
        for (int i = 0; i < 8; ++i) {
            for (int j = 0; j < 5; ++j) {
                const bool painted = i >= 1 && i <= 6 && j >= 1 && j <= 3;
                EXPECT_EQ(ImagePixel(i, j), painted ? MAGENTA : LoadedColour(i, j))
                    << "pixel (" << i << ", " << j << ")";
            }
        }
        SelectMouseMode(EditRealColour);
        editor.Press(25, 25);
        editor.Release(25, 25);
        EXPECT_EQ(editor.Shown(25, 25), LoadedColour(2, 2));
    });
}

TEST_F(CanvasWidget, ADragFollowsThePointerOutsideTheCanvasAndEndsOnTheReleaseThere) {
    WhileRunning([](const Editor& editor) {
        editor.Press(300, 300);
        EXPECT_EQ(editor.canvas->cursor().shape(), Qt::CrossCursor);
        editor.Move(320, 290);
        EXPECT_EQ(Offset(), std::make_pair(20, -10));
        editor.Move(-50, -80); // above the window's top-left corner
        EXPECT_EQ(Offset(), std::make_pair(-350, -380));
        EXPECT_EQ(editor.canvas->cursor().shape(), Qt::CrossCursor);
        editor.Release(-50, -80);
        EXPECT_EQ(Editing().DragItems[PAPER_ITEM].Dragging, 0);
        EXPECT_EQ(Editing().ActiveItem, 0);
        EXPECT_EQ(CurrentMousePointer(), POINTER_ARROW);
        EXPECT_EQ(editor.canvas->cursor().shape(), Qt::ArrowCursor);
        // Back over the canvas with no button held: the paper stays put.
        editor.Move(600, 500);
        editor.Move(620, 520);
        EXPECT_EQ(Offset(), std::make_pair(-350, -380));
        for (QPoint p : {QPoint(0, 0), QPoint(355, 385), QPoint(1150, 820), QPoint(1197, 800)}) {
            EXPECT_EQ(editor.Shown(p.x(), p.y()), Expected(p.x(), p.y()))
                << "at (" << p.x() << ", " << p.y() << ")";
        }
    });
}

TEST_F(CanvasWidget, AWheelBurstMovesThePaperFifteenPixelsAMessageAndRepaintsEachTime) {
    WhileRunning([](const Editor& editor) {
        for (int n = 1; n <= 30; ++n) {
            editor.Wheel(-120);
            ASSERT_EQ(Offset().second, -15 * n);
            // Row 0's top grid line has moved up with the paper, once per message.
            const int line = 150 - 15 * n;
            if (line >= 0) {
                ASSERT_EQ(editor.Shown(5, line), GRID_COLOUR) << "after " << n;
                ASSERT_EQ(editor.Shown(5, line + 5), Expected(5, line + 5)) << "after " << n;
            }
        }
        for (int n = 0; n < 40; ++n)
            editor.Wheel(120);
        EXPECT_EQ(Offset(), std::make_pair(0, 0));
        EXPECT_EQ(editor.Shown(5, 5), LoadedColour(0, 0));
        EXPECT_EQ(editor.Shown(5, 0), GRID_COLOUR);
    });
}

TEST_F(CanvasWidget, AfterAClickTheCanvasTakesTheArrowPageHomeAndEndKeys) {
    WhileRunning([](const Editor& editor) {
        QTest::mouseClick(editor.windowHandle, Qt::LeftButton, {}, editor.At(400, 400));
        ASSERT_EQ(GetFocusControl(), editor.canvasHandle);
        EXPECT_EQ(Offset(), std::make_pair(0, 0)) << "a click without movement moves nothing";
        editor.Key(Qt::Key_Right);
        editor.Key(Qt::Key_Right);
        editor.Key(Qt::Key_Down);
        EXPECT_EQ(Offset(), std::make_pair(-20, -10));
        EXPECT_EQ(editor.Shown(5, 5), LoadedColour(2, 1));
        editor.Key(Qt::Key_PageDown);
        EXPECT_EQ(Offset(), std::make_pair(-20, -110));
        editor.Key(Qt::Key_PageUp);
        editor.Key(Qt::Key_Left);
        EXPECT_EQ(Offset(), std::make_pair(-10, -10));
        editor.Key(Qt::Key_End);
        EXPECT_EQ(Offset(), std::make_pair(-10, 10 - 10 * H));
        EXPECT_EQ(editor.Shown(5, 5), LoadedColour(1, H - 1));
        editor.Key(Qt::Key_Home);
        EXPECT_EQ(Offset(), std::make_pair(0, 0));
        EXPECT_EQ(GetFocusControl(), editor.canvasHandle) << "the keys left the focus there";
    });
}

} // namespace
