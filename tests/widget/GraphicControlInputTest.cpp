// The message translation table, seen from a graphic control's window
// procedure: real Qt events in, messages with their packing out.

#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Styles.h"

#include "MessageLog.h"
#include "QtAccess.h"

#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

WindowProc previousProc = nullptr;

LResult RecordingProc(Handle window, MessageId message, WParam wParam, LParam lParam) {
    LoggingHandler(window, message, wParam, lParam);
    return CallWindowProc(previousProc, window, message, wParam, lParam);
}

class GraphicInput : public testing::Test {
  protected:
    void SetUp() override {
        MessageLog().clear();
        dialog = NewDialog(UNITS_PIXELS, 0, "lienzo", 0, 0, 400, 300, 0x94CE08D4, 0);
        AddControl(dialog, 100, KIND_GRAPHIC, "", 0, 0, 400, 300, 0x50800100, 0);
        control = GetControlHandle(dialog, 100);
        previousProc = SubclassControl(control, RecordingProc);
    }
    // Runs the checks once the window is up, then ends the run.
    void WhileShown(std::function<void(QWidget* window, QWidget* client)> checks) {
        QTimer::singleShot(0, [this, checks] {
            QWidget* window = TopLevelTitled("lienzo");
            QWidget* client = window ? window->findChild<QWidget*>("clientArea") : nullptr;
            QWidget* canvasClient = client ? client->childAt(5, 5) : nullptr;
            if (window && canvasClient) {
                window->activateWindow();
                if (!QTest::qWaitForWindowActive(window)) ADD_FAILURE() << "not active";
                checks(window, canvasClient);
            } else {
                ADD_FAILURE() << "the canvas is not shown";
            }
            EndModal(dialog, 0);
        });
        RunModal(dialog, nullptr, nullptr);
    }
    Handle dialog = 0, control = 0;
};

TEST_F(GraphicInput, PositionsAreInClientCoordinatesInsideTheBorder) {
    WhileShown([](QWidget* window, QWidget*) {
        // Through the window system, at window point (6, 8) of the client area.
        const int barTop = 0;
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, QPoint(6, 8 + barTop));
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, QPoint(6, 8 + barTop));
    });
    const auto presses = Logged(WM_LBUTTONDOWN);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(XFromLParam(presses[0].lParam), 5);
    EXPECT_EQ(YFromLParam(presses[0].lParam), 7);
    EXPECT_EQ(presses[0].wParam & MK_LBUTTON, MK_LBUTTON);
    ASSERT_EQ(Logged(WM_LBUTTONUP).size(), 1u);
}

TEST_F(GraphicInput, ALeftClickGivesTheControlTheFocusThroughItsOwnProcedure) {
    Handle focused = 0;
    WhileShown([&](QWidget*, QWidget* canvas) {
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(20, 20));
        focused = GetFocusControl();
    });
    EXPECT_EQ(focused, control);
}

TEST_F(GraphicInput, MovesArriveWithAndWithoutAButtonAndKeepTheirSignOutside) {
    WhileShown([](QWidget*, QWidget* canvas) {
        QTest::mouseMove(canvas, QPoint(30, 40));
        QMouseEvent drag(QEvent::MouseMove, QPointF(-20, -30), QPointF(-20, -30), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &drag);
    });
    const auto moves = Logged(WM_MOUSEMOVE);
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves.front().wParam & MK_LBUTTON, 0u);
    EXPECT_EQ(XFromLParam(moves.front().lParam), 30);
    EXPECT_EQ(YFromLParam(moves.front().lParam), 40);
    EXPECT_EQ(moves.back().wParam & MK_LBUTTON, MK_LBUTTON);
    EXPECT_EQ(XFromLParam(moves.back().lParam), -20);
    EXPECT_EQ(YFromLParam(moves.back().lParam), -30);
}

TEST_F(GraphicInput, WheelDeltaIsSignedInTheHighWordAndHorizontalWheelsAreDropped) {
    WhileShown([](QWidget*, QWidget* canvas) {
        for (QPoint delta : {QPoint(0, 120), QPoint(0, -240), QPoint(120, 0)}) {
            QWheelEvent wheel(QPointF(10, 10), canvas->mapToGlobal(QPointF(10, 10)), QPoint(),
                              delta, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(canvas, &wheel);
        }
    });
    const auto wheels = Logged(WM_MOUSEWHEEL);
    ASSERT_EQ(wheels.size(), 2u);
    EXPECT_EQ(WheelDeltaFromWParam(wheels[0].wParam), 120);
    EXPECT_EQ(WheelDeltaFromWParam(wheels[1].wParam), -240);
}

TEST_F(GraphicInput, KeysBecomeVirtualKeysAndAutoRepeatRepeats) {
    WhileShown([](QWidget*, QWidget* canvas) {
        canvas->setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                            Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_A, Qt::Key_7,
                            Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab}) {
            QTest::keyClick(canvas, key);
        }
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(canvas, &repeat);
        QApplication::sendEvent(canvas, &repeat);
    });
    std::vector<WParam> keys;
    for (const auto& m : Logged(WM_KEYDOWN)) keys.push_back(m.wParam);
    const std::vector<WParam> expected{VK_RIGHT, VK_LEFT, VK_UP,  VK_DOWN, VK_PRIOR,
                                       VK_NEXT,  VK_HOME, VK_END, 'A',     '7',
                                       VK_RETURN, VK_ESCAPE, VK_TAB, VK_DOWN, VK_DOWN};
    EXPECT_EQ(keys, expected);
}

} // namespace
