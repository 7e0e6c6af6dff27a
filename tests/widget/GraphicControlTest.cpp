// The graphic control on real Qt widgets: real input turned into messages with
// positions inside its border, the pointer, its surface on screen, and a pan
// shown by moving what the screen shows.

#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Menus.h"
#include "ui/dialogs/Pointers.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include "WidgetTesting.h"

#include <random>

namespace {

std::vector<std::tuple<MessageId, WParam, LParam>> Log; // what the control's procedure got
constexpr int W = 61, H = 43; // the control's client area
WindowProc ownProc = nullptr;

// A dialog holding a graphic control of id 7, bordered or not, whose messages
// are logged and passed on to its own procedure.
Handle GraphicDialog(std::uint32_t border) {
    const Handle dialog = NewDialog(UNITS_PIXELS, 0, "lienzo", 0, 0, W + 40, H + 40, 0, 0);
    const int frame = border ? 2 : 0;
    AddControl(dialog, 7, KIND_GRAPHIC, "", 0, 0, W + frame, H + frame, border, 0);
    ownProc = SubclassControl(GetControlHandle(dialog, 7),
                              [](Handle c, MessageId m, WParam wp, LParam lp) {
                                  Log.emplace_back(m, wp, lp);
                                  return CallWindowProc(ownProc, c, m, wp, lp);
                              });
    return dialog;
}

// Every pixel of the control's client area on the screen is as on its surface.
bool OnScreen(Handle dialog, QWidget& client) {
    const std::vector<Colour> px = ReadSurfaceArea(GetControlHandle(dialog, 7), 0, 0, W, H);
    const QPoint at = client.mapTo(client.window(), QPoint(0, 0));
    QWindow* window = client.window()->windowHandle();
    const QImage screen = window->screen()->grabWindow(window->winId(), at.x(), at.y(), W, H).toImage();
    for (int k = 0; k < W * H; ++k)
        if (screen.pixel(k % W, k / W) != qRgb(RedOf(px[k]), GreenOf(px[k]), BlueOf(px[k])))
            return false;
    return true;
}

} // namespace

TEST(GraphicControl, TurnsRealInputIntoMessagesSetsThePointerAndShowsItsSurface) {
    const Handle dialog = GraphicDialog(WS_BORDER);
    const auto shown = [&](QWidget& window) {
        QWindow* w = window.windowHandle();
        QWidget* c = window.childAt(5, 5);
        const auto at = [&](int x, int y) { return c->mapTo(c->window(), QPoint(x, y)); };
        const auto wheel = [&](QPoint angle, QPoint pixels, Qt::KeyboardModifiers keys) {
            QWheelEvent event(QPointF(10.7, 12.2), c->mapToGlobal(QPointF(10.7, 12.2)), pixels,
                              angle, Qt::NoButton, keys, Qt::NoScrollPhase, false);
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
        wheel({-120, 0}, {}, Qt::AltModifier); // Qt turns a notch with Alt into a horizontal one
        wheel({0, 0}, {0, 9}, {});             // pixels only: ignored
        QTest::keyClick(w, Qt::Key_Tab);
        QTest::keyClick(w, Qt::Key_F1); // the first of a range of keys
        QTest::keyClick(w, Qt::Key_Menu); // no virtual key: no message
        QTest::simulateEvent(w, true, Qt::Key_Down, {}, QString(), true); // auto-repeated
        // The pointer of the widget that had the mouse input last.
        SetMousePointer(POINTER_CROSS);
        EXPECT_EQ(c->cursor().shape(), Qt::CrossCursor);
        // What is drawn on the surface is on the screen at the next paint.
        AttachSurface(dialog, 7, false);
        for (int k = 0; k < W * H; ++k)
            SetSurfacePixel(k % W, k / W, Colour(k * 2654435761u) & 0xFFFFFF);
        EXPECT_TRUE(QTest::qWaitFor([&] { return OnScreen(dialog, *c); }, 3000));
        EndModal(dialog, 0);
    };
    Answering(shown, [&] { RunModal(dialog, nullptr, nullptr); });
    // clang-format off
    const decltype(Log) expected{{WM_MOUSEMOVE, 0, MakeLParam(5, 7)},
        {WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 7)}, {WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(-20, -30)},
        {WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(W + 30, H + 20)},
        {WM_LBUTTONUP, 0, MakeLParam(W + 30, H + 20)},
        {WM_MOUSEWHEEL, MakeWParam(0, 120), MakeLParam(10, 12)},
        {WM_MOUSEWHEEL, MakeWParam(0x08, -240), MakeLParam(10, 12)},
        {WM_MOUSEWHEEL, MakeWParam(0, -120), MakeLParam(10, 12)},
        {WM_KEYDOWN, VK_TAB, 1}, {WM_KEYDOWN, VK_F1, 1}, {WM_KEYDOWN, VK_DOWN, 1 | 1 << 30}};
    // clang-format on
    EXPECT_EQ(Log, expected);
}

// A pan: the surface holds its last pixels moved, and the screen shows them
// by moving what it shows and painting only the strips the move uncovers;
// the moves of one turn add up, and cancelled out they ask for no paint. A
// paint still due, or a move as wide as the control, paints it all.
TEST(GraphicControl, ShowsAPanByMovingWhatTheScreenShows) {
    const Handle dialog = GraphicDialog(0);
    std::mt19937 random(7);
    const auto shown = [&](QWidget& window) {
        QWidget* c = window.childAt(5, 5);
        QRegion painted;
        struct PaintSpy : QObject {
            QRegion* region;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) *region += static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } spy;
        spy.region = &painted;
        c->installEventFilter(&spy);
        AttachSurface(dialog, 7, true); // deferred: only the redraws below show anything
        std::vector<Colour> now = ReadSurfaceArea(GetControlHandle(dialog, 7), 0, 0, W, H);
        // Moves the surface's pixels by (dx, dy), new ones where it uncovers.
        const auto move = [&](int dx, int dy) {
            const std::vector<Colour> was = now;
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    const bool kept = x - dx >= 0 && x - dx < W && y - dy >= 0 && y - dy < H;
                    now[y * W + x] = kept ? was[(y - dy) * W + x - dx] : random() & 0xFFFFFF;
                    SetSurfacePixel(x, y, now[y * W + x]);
                }
        };
        const auto expectPaint = [&](const QRegion& region, const char* what) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return OnScreen(dialog, *c); }, 3000)) << what;
            for (int turn = 0; turn < 3; ++turn) // every turn's work done: moves shown, paints made
                QCoreApplication::processEvents();
            EXPECT_EQ(painted, region) << what;
            painted = QRegion();
        };
        move(0, 0), RedrawSurface();
        expectPaint(c->rect(), "the first paint");
        move(5, -3), RedrawSurfaceMoved(5, -3);
        move(2, 0), RedrawSurfaceMoved(2, 0);
        expectPaint(QRegion(0, 0, 7, H) + QRegion(0, H - 3, W, 3), "one move of the turn's two");
        const std::vector<Colour> before = now;
        move(4, 1), RedrawSurfaceMoved(4, 1);
        for (int k = 0; k < W * H; ++k) // back where the paper was, as a pan composes it
            SetSurfacePixel(k % W, k / W, before[k]);
        now = before, RedrawSurfaceMoved(-4, -1);
        expectPaint(QRegion(), "moves that cancel out");
        move(0, 1), RedrawSurfaceMoved(0, 1);
        expectPaint(QRegion(0, 0, W, 1), "a move after moves that cancelled out");
        AttachSurface(dialog, 7, false); // a pixel drawn now is due at the next paint
        SetSurfacePixel(0, 0, 0x123456), now[0] = 0x123456;
        AttachSurface(dialog, 7, true);
        move(3, 3), RedrawSurfaceMoved(3, 3);
        expectPaint(c->rect(), "a move while a paint is due");
        for (const QPoint large : {QPoint(W, 0), QPoint(0, -H - 1)}) {
            move(large.x(), large.y()), RedrawSurfaceMoved(large.x(), large.y());
            expectPaint(c->rect(), "a move at least as large as the control");
        }
        c->removeEventFilter(&spy);
        EndModal(dialog, 0);
    };
    Answering(shown, [&] { RunModal(dialog, nullptr, nullptr); });
}

// A menu's texts have no access letters: an ampersand shows as itself, in a
// sub-menu's title and in an item. (Its dialog's owner is disabled while it
// runs, and enabled again after.)
TEST(Menus, ShowAnAmpersandAsItself) {
    const Handle owner = NewDialog(UNITS_PIXELS, 0, "dueño", 0, 0, 100, 100, 0, 0);
    const auto ownerEnabled = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == "dueño") return w->isEnabled();
        return false;
    };
    const Handle bar = NewMenu(MENU_BAR), sub = NewMenu(MENU_POPUP);
    AddMenuItem(sub, "Ancho & alto", 0, 5, 0);
    AddMenuItem(bar, "R&D", sub, 0, 0);
    const Handle dialog = NewDialog(UNITS_PIXELS, owner, "menu", 0, 0, 200, 100, 0, 0);
    AttachMenu(dialog, bar);
    QStringList shown; // as the menu bar draws them
    Answering(
        [&](QWidget& w) {
            QAction* title = w.findChild<QMenuBar*>()->actions().value(0);
            shown << title->iconText() << title->menu()->actions().value(0)->iconText();
            EXPECT_FALSE(ownerEnabled());
            EndModal(dialog, 0);
        },
        [&] { RunModal(dialog, nullptr, nullptr); });
    EXPECT_EQ(shown, QStringList({"R&D", "Ancho & alto"}));
    EXPECT_TRUE(ownerEnabled());
}
