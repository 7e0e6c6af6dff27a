// The window services on the Windows API, under Wine on a private X server:
// real input turned into messages, the surface and a pan on screen, the modal
// run's order and nesting, menus, and the choosers' options.

#include "ui/Application.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/FileChooser.h"
#include "ui/dialogs/Menus.h"
#include "ui/dialogs/Pointers.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"
#include "ui/win32/GraphicWindow.h"

#include "Win32Testing.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <tuple>

#undef CallWindowProc // <windows.h>'s name for CallWindowProcW: ours is meant here

namespace {

[[maybe_unused]] const bool started = (StartUiServices("test"), true);
std::vector<std::tuple<MessageId, WParam, LParam>> Log;
constexpr int W = 61, H = 43; // the graphic control's client area
WindowProc ownProc = nullptr;

Handle GraphicDialog(std::uint32_t border) {
    const Handle dialog = NewDialog(UNITS_PIXELS, 0, "lienzo", 40, 40, W + 40, H + 40, 0, 0);
    AddControl(dialog, 7, KIND_GRAPHIC, "", 0, 0, W + (border ? 2 : 0), H + (border ? 2 : 0), border, 0);
    ownProc = SubclassControl(GetControlHandle(dialog, 7), [](Handle c, MessageId m, WParam wp, LParam lp) {
        // A key's repeat count and previous state; its scan code is the system's.
        Log.emplace_back(m, wp, m == WM_KEYDOWN ? lp & 0x4000FFFF : lp);
        return CallWindowProc(ownProc, c, m, wp, lp);
    });
    return dialog;
}

// The control's client area on the screen is its surface, pixel for pixel.
bool OnScreen(Handle dialog) {
    const std::vector<Colour> px = ReadSurfaceArea(GetControlHandle(dialog, 7), 0, 0, W, H);
    HWND c = WindowOf(GetControlHandle(dialog, 7));
    HDC dc = GetDC(c);
    int k = 0;
    while (k < W * H && GetPixel(dc, k % W, k / W) == (px[k] & 0xFFFFFF)) ++k;
    return ReleaseDC(c, dc), k == W * H;
}

std::wstring Text(HWND w) { wchar_t text[256] = {}; return GetWindowTextW(w, text, 256), text; }

} // namespace

TEST(GraphicControl, TurnsRealInputIntoMessagesSetsThePointerAndShowsItsSurface) {
    const Handle dialog = GraphicDialog(WS_BORDER);
    decltype(Log) got;
    Answering([&](HWND) {
        HWND c = WindowOf(GetControlHandle(dialog, 7));
        Pointer(c, 30, 40);
        ASSERT_TRUE(WaitFor([] { return !Log.empty(); }));
        Log.clear();
        // The pressed control keeps the pointer until the release, wherever it
        // goes; the wheel's screen position comes in client coordinates. Each
        // step is handled before the next: the system merges waiting moves.
        const int steps[][4] = {{5, 7, MOUSEEVENTF_LEFTDOWN}, {-20, -30}, {W + 30, H + 20, MOUSEEVENTF_LEFTUP},
                                {10, 12, MOUSEEVENTF_WHEEL, -240}};
        for (const auto& [x, y, buttons, wheel] : steps) {
            const std::size_t before = Log.size();
            Pointer(c, x, y, DWORD(buttons), wheel);
            EXPECT_TRUE(WaitFor([&] { return Log.size() > before; }));
        }
        for (WORD key : {VK_TAB, VK_F1, VK_DOWN}) Key(key);
        EXPECT_TRUE(WaitFor([] { return std::get<1>(Log.back()) == VK_DOWN; }));
        got = Log;
        SetMousePointer(POINTER_CROSS);
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_CROSS));
        AttachSurface(dialog, 7, false);
        for (int k = 0; k < W * H; ++k) SetSurfacePixel(k % W, k / W, Colour(k * 2654435761u) & 0xFFFFFF);
        EXPECT_TRUE(WaitFor([&] { return OnScreen(dialog); }));
        EndModal(dialog, 0);
    }, [&] { RunModal(dialog, nullptr, nullptr); });
    // Taking the capture sends a move where the pointer is.
    const decltype(Log) expected{{WM_MOUSEMOVE, 0, MakeLParam(5, 7)},
        {WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 7)}, {WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(5, 7)}, {WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(-20, -30)},
        {WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(W + 30, H + 20)}, {WM_LBUTTONUP, 0, MakeLParam(W + 30, H + 20)},
        {WM_MOUSEMOVE, 0, MakeLParam(10, 12)}, {WM_MOUSEWHEEL, MakeWParam(0, -240), MakeLParam(10, 12)},
        {WM_KEYDOWN, VK_TAB, 1}, {WM_KEYDOWN, VK_F1, 1}, {WM_KEYDOWN, VK_DOWN, 1}};
    EXPECT_EQ(got, expected);
}

// A pan moves what the screen shows and paints only the strips it uncovers,
// once a turn; the screen then shows what a whole paint would.
TEST(GraphicControl, ShowsAPanByScrollingWhatTheScreenShows) {
    const Handle dialog = GraphicDialog(0);
    std::mt19937 random(7);
    Answering([&](HWND) {
        HWND c = WindowOf(GetControlHandle(dialog, 7));
        AttachSurface(dialog, 7, true);
        std::vector<Colour> now = ReadSurfaceArea(GetControlHandle(dialog, 7), 0, 0, W, H);
        // The surface's pixels moved by (dx, dy), new ones where it uncovers.
        const auto move = [&](int dx, int dy) {
            const std::vector<Colour> was = now;
            for (int k = 0, x = -dx, y = -dy; k < W * H; ++k, x = k % W - dx, y = k / W - dy)
                SetSurfacePixel(k % W, k / W, now[k] = x >= 0 && x < W && y >= 0 && y < H ? was[y * W + x] : random() & 0xFFFFFF);
            RedrawSurfaceMoved(dx, dy);
        };
        // Once the turn is over the two rectangles are due to be painted, and
        // then the screen shows the surface.
        const auto expectPaint = [&](RECT a, RECT b, const char* what) {
            EndPanTurns();
            HRGN due = CreateRectRgn(0, 0, 0, 0), expected = CreateRectRgnIndirect(&a), second = CreateRectRgnIndirect(&b);
            GetUpdateRgn(c, due, FALSE), CombineRgn(expected, expected, second, RGN_OR);
            EXPECT_TRUE(EqualRgn(due, expected)) << what;
            EXPECT_TRUE(WaitFor([&] { return OnScreen(dialog) && !GetUpdateRect(c, nullptr, FALSE); })) << what;
            DeleteObject(due), DeleteObject(expected), DeleteObject(second);
        };
        RedrawSurface();
        expectPaint({0, 0, W, H}, {}, "the first paint");
        move(5, -3), move(2, 0);
        expectPaint({0, 0, 7, H}, {0, H - 3, W, H}, "one scroll for the turn's two moves");
        EndModal(dialog, 0);
    }, [&] { RunModal(dialog, nullptr, nullptr); });
}

// Initialised and sized before it shows; its owner disabled while it runs; a
// run inside a run; the owner closed meanwhile ends after the inner run.
TEST(ModalRun, InitialisesThenShowsAndEndsNestedRunsInOrder) {
    static std::vector<std::pair<Handle, MessageId>> seen;
    static HWND ownerWindow;
    const Handle owner = NewDialog(UNITS_PIXELS, 0, "dueño", 0, 0, 200, 150, 0, 0);
    const Handle inner = NewDialog(UNITS_PIXELS, owner, "interior", 10, 10, 100, 80, 0, 0);
    const WindowProc handler = [](Handle d, MessageId m, WParam, LParam) -> LResult {
        if (m == WM_INITDIALOG || m == WM_SIZE || m == WM_CLOSE) seen.emplace_back(d, m);
        return 0;
    };
    Answering([&](HWND w) {
        if (Text(w) == L"dueño") {
            ownerWindow = w, seen.emplace_back(owner, 0); // shown
            RunModal(inner, handler, nullptr), seen.emplace_back(inner, 0); // returned
        } else {
            EXPECT_FALSE(IsWindowEnabled(ownerWindow));
            PostMessageW(ownerWindow, WM_CLOSE, 0, 0), PostMessageW(w, WM_CLOSE, 0, 0);
        }
    }, [&] { RunModal(owner, handler, nullptr); });
    const decltype(seen) expected{{owner, WM_INITDIALOG}, {owner, WM_SIZE}, {owner, 0},
        {inner, WM_INITDIALOG}, {inner, WM_SIZE}, {owner, WM_CLOSE}, {inner, WM_CLOSE}, {inner, 0}};
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(IsWindow(ownerWindow));
}

// A shown "&" is doubled for the menu; check marks are found by command
// through the sub-menus; a chosen command reaches the window's handler.
TEST(Menus, ShowTextsAndChecksAndReportTheCommandChosen) {
    static std::uint32_t chosen = 0;
    const Handle bar = NewMenu(MENU_BAR), sub = NewMenu(MENU_POPUP);
    AddMenuItem(sub, "Ancho & alto", 0, 5, 0);
    AddMenuItem(sub, "-", 0, 0, 0);
    AddMenuItem(sub, "Otro", 0, 6, MFS_CHECKED);
    AddMenuItem(bar, "R&D", sub, 0, 0);
    const Handle dialog = NewDialog(UNITS_PIXELS, 0, "menu", 0, 0, 200, 100, 0, 0);
    AttachMenu(dialog, bar);
    Answering([&](HWND w) {
        HMENU menu = GetMenu(w);
        wchar_t title[64], item[64];
        GetMenuStringW(menu, 0, title, 64, MF_BYPOSITION), GetMenuStringW(menu, 5, item, 64, MF_BYCOMMAND);
        EXPECT_EQ(std::wstring(title) + L"|" + item, L"R&&D|Ancho && alto");
        const auto checked = [&](UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; };
        EXPECT_TRUE(checked(6));
        SetMenuItemState(bar, 6, true, 0), SetMenuItemState(bar, 5, true, MFS_CHECKED);
        EXPECT_TRUE(checked(5) && !checked(6));
        PostMessageW(w, WM_COMMAND, 5, 0);
    }, [&] {
        RunModal(dialog, [](Handle d, MessageId m, WParam wp, LParam) -> LResult {
            if (m == WM_COMMAND) chosen = wp, EndModal(d, 0);
            return 0;
        }, nullptr);
    });
    EXPECT_EQ(chosen, 5u);
}

// The open chooser wants an existing file, the save chooser takes an existing
// one without asking, and neither changes the working folder.
TEST(Choosers, OpenWantsAnExistingFileAndSaveDoesNotAskToOverwrite) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "choosers";
    std::filesystem::create_directories(folder), std::ofstream(folder / "a.bmp") << "x";
    const std::filesystem::path before = std::filesystem::current_path();
    FileChooserRequest request{"Elegir", folder.string(), "Imagenes", "*.bmp", "no-existe.bmp", "bmp"};
    static HWND chooser;
    static int boxes;
    const auto answer = [&](HWND w) {
        if (chooser) // the chooser's own box: OK, and the chooser cancelled
            return (void)(++boxes, PostMessageW(w, WM_COMMAND, IDOK, 0), PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0));
        EXPECT_EQ(Text(chooser = w) + L"|" + Text(GetDlgItem(w, 0x470)), L"Elegir|Imagenes (*.bmp)"); // and its type box
        PostMessageW(w, WM_COMMAND, IDOK, 0);
    };
    chooser = nullptr, boxes = 0;
    Answering(answer, [&] { EXPECT_EQ(ChooseFile(ChooserKind::Open, request), std::nullopt); });
    EXPECT_EQ(boxes, 1);
    chooser = nullptr, boxes = 0, request.proposedFileName = "a.bmp";
    Answering(answer, [&] { EXPECT_EQ(ChooseFile(ChooserKind::Save, request), (folder / "a.bmp").string()); });
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(std::filesystem::current_path(), before);
}
