// The graphic control on real Qt widgets: real input turned into messages with
// positions inside its border, the mouse pointer, and its surface on screen.

#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Pointers.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include "WidgetTesting.h"

std::vector<std::tuple<MessageId, WParam, LParam>> Log; // what the control's procedure got
constexpr int W = 61, H = 43; // the control's client area, inside a one-pixel border
WindowProc ownProc = nullptr;

TEST(GraphicControl, TurnsRealInputIntoMessagesSetsThePointerAndShowsItsSurface) {
    // clang-format off
    const std::pair<Qt::Key, WParam> keys[] = {{Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},
        {Qt::Key_Return, VK_RETURN}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
        {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
        {Qt::Key_Home, VK_HOME}, {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP},
        {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN}, {Qt::Key_Delete, VK_DELETE},
        {Qt::Key_Insert, 0x2D}, {Qt::Key_Shift, 0x10}, {Qt::Key_Control, 0x11},
        {Qt::Key_Alt, 0x12}, {Qt::Key_A, 'A'}, {Qt::Key_9, '9'}, {Qt::Key_F2, 0x71}, {Qt::Key_Menu, 0}};
    // clang-format on
    // A dialog holding a bordered graphic control, whose messages are logged
    // and passed on to its own procedure.
    const Handle dialog = NewDialog(UNITS_PIXELS, 0, "lienzo", 0, 0, W + 40, H + 40, 0, 0);
    AddControl(dialog, 7, KIND_GRAPHIC, "", 0, 0, W + 2, H + 2, WS_BORDER, 0);
    ownProc = SubclassControl(GetControlHandle(dialog, 7),
                              [](Handle c, MessageId m, WParam wp, LParam lp) {
                                  Log.emplace_back(m, wp, lp);
                                  return CallWindowProc(ownProc, c, m, wp, lp);
                              });
    const auto shown = [&](QWidget& window) {
        QWindow* w = window.windowHandle();
        QWidget* c = window.childAt(5, 5);
        const auto at = [&](int x, int y) { return c->mapTo(c->window(), QPoint(x, y)); };
        const auto wheel = [&](QPoint angle, QPoint pixels, Qt::KeyboardModifiers keys) {
            QWheelEvent event(QPointF(10, 12), c->mapToGlobal(QPointF(10, 12)), pixels, angle,
                              Qt::NoButton, keys, Qt::NoScrollPhase, false);
            QApplication::sendEvent(c, &event);
        };
        QTest::mouseMove(w, at(30, 40));
        Log.clear();
        // A press elsewhere comes after a move there, with no button held; it
        // gives the control the focus, so the keys below go to it, Tab too.
        QTest::mousePress(w, Qt::LeftButton, {}, at(5, 7));
        // The pressed control keeps the pointer until the release, wherever it goes.
        QTest::mouseMove(w, at(-20, -30));
        QTest::mouseMove(w, at(W + 30, H + 20));
        QTest::mouseRelease(w, Qt::LeftButton, {}, at(W + 30, H + 20));
        wheel({0, 120}, {}, {});
        wheel({0, -240}, {}, Qt::ControlModifier);
        wheel({120, 0}, {}, {});   // horizontal: ignored
        wheel({0, 0}, {0, 9}, {}); // pixels only: ignored
        for (const auto& [key, virtualKey] : keys)
            QTest::keyClick(w, key);
        QTest::simulateEvent(w, true, Qt::Key_Down, {}, QString(), true); // auto-repeated
        // Each shape in turn, on the widget that had the mouse input; a handle changes nothing.
        using namespace Qt;
        // clang-format off
        const int shapes[] = {BlankCursor, ArrowCursor, CrossCursor, IBeamCursor, ArrowCursor,
            SizeAllCursor, SizeBDiagCursor, SizeVerCursor, SizeFDiagCursor, SizeHorCursor,
            UpArrowCursor, WaitCursor, ForbiddenCursor, BusyCursor, BusyCursor};
        // clang-format on
        for (int shape = POINTER_NONE; shape <= POINTER_APP_STARTING + 1; ++shape)
            EXPECT_EQ((SetMousePointer(shape), c->cursor().shape()), shapes[shape]) << shape;
        // What is drawn on the surface is on the screen at the next paint: in the
        // window's backing store, where the client area starts inside the border.
        AttachSurface(dialog, 7, false);
        for (int k = 0; k < W * H; ++k)
            SetSurfacePixel(k % W, k / W, std::rand() & 0xFFFFFF);
        const std::vector<Colour> px = ReadSurfaceArea(GetControlHandle(dialog, 7), 0, 0, W, H);
        const auto painted = [&] { // every pixel on the screen as it is on the surface
            const QImage screen = w->screen()->grabWindow(w->winId(), 1, 1, W, H).toImage();
            for (int k = 0; k < W * H; ++k)
                if (screen.pixel(k % W, k / W) != qRgb(RedOf(px[k]), GreenOf(px[k]), BlueOf(px[k])))
                    return false;
            return true;
        };
        EXPECT_TRUE(QTest::qWaitFor(painted, 3000));
        EndModal(dialog, 0);
    };
    Answering(shown, [&] { RunModal(dialog, nullptr, nullptr); });
    // clang-format off
    decltype(Log) expected{{WM_MOUSEMOVE, 0, MakeLParam(5, 7)},
        {WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 7)}, {WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(-20, -30)},
        {WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(W + 30, H + 20)},
        {WM_LBUTTONUP, 0, MakeLParam(W + 30, H + 20)},
        {WM_MOUSEWHEEL, MakeWParam(0, 120), MakeLParam(10, 12)},
        {WM_MOUSEWHEEL, MakeWParam(0x08, -240), MakeLParam(10, 12)}};
    // clang-format on
    for (const auto& [key, virtualKey] : keys)
        if (virtualKey) expected.emplace_back(WM_KEYDOWN, virtualKey, 1);
    expected.emplace_back(WM_KEYDOWN, VK_DOWN, 1 | 1 << 30); // auto-repeated
    EXPECT_EQ(Log, expected);
}
