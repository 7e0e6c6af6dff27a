#include "ui/win32/GraphicWindow.h"

#include "ui/Messages.h"
#include "ui/dialogs/DialogMessages.h"
#include "ui/dialogs/PanMoves.h"
#include "ui/dialogs/Registry.h"
#include "ui/graphics/Surfaces.h"
#include "ui/win32/Scale.h"
#include "ui/win32/Win32Backend.h"

#include <algorithm>
#include <vector>

const wchar_t* const GRAPHIC_CLASS = L"VelmoraGraphic";

namespace {

struct GraphicState {
    Handle control = 0;
    PanMoves pan;
    HCURSOR cursor = nullptr; // nullptr: the class's arrow
    bool hidesPointer = false;
};

GraphicState* StateOf(HWND window) {
    return reinterpret_cast<GraphicState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool IsGraphicWindow(HWND window) { return IsOfClass(window, GRAPHIC_CLASS); }

// Controls whose moves of this turn wait for its end; by handle, as a
// control may be destroyed before then.
std::vector<Handle>& TurnsToEnd() {
    static std::vector<Handle> controls;
    return controls;
}

HWND pointerWindow = nullptr;

void Paint(HWND window, const GraphicState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    int width = 0, height = 0;
    const std::uint32_t* pixels = SurfaceScreenPixels(state.control, &width, &height);
    if (!pixels) width = height = 0;
    const RECT& due = paint.rcPaint;
    const LONG right = ToDevice(width), bottom = ToDevice(height);
    RECT shown{std::max(due.left, LONG(0)), std::max(due.top, LONG(0)), std::min(due.right, right),
               std::min(due.bottom, bottom)};
    // Whatever the surface does not cover (it always covers a canvas's client
    // area) is white.
    if (shown.left >= shown.right || shown.top >= shown.bottom || !EqualRect(&shown, &due)) {
        FillRect(dc, &due, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    if (shown.left < shown.right && shown.top < shown.bottom) {
        // The surface keeps its pixels as a top-down 32-bit bitmap: handed
        // over whole, with nothing converted, and the paint's clipping keeps
        // the copy to the area due. (Whole, the source position means the
        // same for a top-down bitmap as for a bottom-up one.)
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        if (UiScale() == 1) {
            SetDIBitsToDevice(dc, 0, 0, DWORD(width), DWORD(height), 0, 0, 0, UINT(height),
                              pixels, &info, DIB_RGB_COLORS);
        } else {
            // Each pixel a square of whole device pixels, repeated, not blended.
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchDIBits(dc, 0, 0, right, bottom, 0, 0, width, height, pixels, &info,
                          DIB_RGB_COLORS, SRCCOPY);
        }
    }
    EndPaint(window, &paint);
}

// A pointer position of a message's lParam in the program's pixels.
LParam Position(LPARAM lParam) {
    return MakeLParam(ToProgram(short(LOWORD(lParam))), ToProgram(short(HIWORD(lParam))));
}

// The mouse keys of a message's wParam that the program knows.
WParam MouseKeys(WPARAM wParam) {
    return WParam(wParam & (MK_LBUTTON | MK_RBUTTON | MK_SHIFT | MK_CONTROL | MK_MBUTTON));
}

void SendWheel(HWND window, const GraphicState& state, UINT message, WPARAM wParam,
               LPARAM lParam) {
    // The notch of a tilt is taken as a turn, as every notch steps the view;
    // a tilt to the right counts as a turn towards the user.
    int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    if (message == WM_MOUSEHWHEEL) delta = -delta;
    if (delta == 0) return;
    POINT point{short(LOWORD(lParam)), short(HIWORD(lParam))};
    ScreenToClient(window, &point);
    SendControlMessage(state.control, WM_MOUSEWHEEL,
                       MakeWParam(int(MouseKeys(GET_KEYSTATE_WPARAM(wParam))), delta),
                       MakeLParam(ToProgram(point.x), ToProgram(point.y)));
}

bool PointerOver(HWND window) {
    POINT point{};
    return GetCursorPos(&point) && WindowFromPoint(point) == window;
}

LRESULT CALLBACK GraphicWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    GraphicState* state = StateOf(window);
    if (!state) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        state->pan.Painted();
        Paint(window, *state);
        return 0;
    case WM_ERASEBKGND: return 1; // the paint covers every pixel
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        pointerWindow = window;
        SetFocus(window);
        SetCapture(window);
        SendControlMessage(state->control, WM_LBUTTONDOWN, MouseKeys(wParam), Position(lParam));
        return 0;
    case WM_MOUSEMOVE:
        pointerWindow = window;
        SendControlMessage(state->control, WM_MOUSEMOVE, MouseKeys(wParam), Position(lParam));
        return 0;
    case WM_LBUTTONUP:
        pointerWindow = window;
        if (GetCapture() == window) ReleaseCapture();
        SendControlMessage(state->control, WM_LBUTTONUP, MouseKeys(wParam), Position(lParam));
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        pointerWindow = window;
        SetFocus(window);
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        // The focus's notch belongs to the graphic control under the pointer.
        if (!PointerOver(window) && SendWheelToPointedGraphic(message, wParam, lParam)) return 0;
        SendWheel(window, *state, message, wParam, lParam);
        return 0;
    case WM_KEYDOWN:
        SendControlMessage(state->control, WM_KEYDOWN, WParam(wParam), LParam(lParam));
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && (state->cursor || state->hidesPointer)) {
            SetCursor(state->cursor);
            return TRUE;
        }
        break;
    case WM_NCDESTROY:
        if (pointerWindow == window) pointerWindow = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DeleteGraphicState(state);
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

bool RegisterGraphicClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = GraphicWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = GRAPHIC_CLASS;
    return RegisterClassExW(&windowClass) != 0;
}

void* NewGraphicState(Handle control) {
    auto* state = new GraphicState;
    state->control = control;
    return state;
}

void DeleteGraphicState(void* state) { delete static_cast<GraphicState*>(state); }

void ShowGraphicArea(HWND window, const BackendRect& area) {
    GraphicState* state = IsGraphicWindow(window) ? StateOf(window) : nullptr;
    if (!state) return;
    // A move waiting to be shown has not reached the screen: all of it is due.
    if (state->pan.AreaAsked()) {
        InvalidateRect(window, nullptr, FALSE);
        return;
    }
    const RECT rect = DeviceRect(area);
    InvalidateRect(window, &rect, FALSE);
}

void ShowGraphicMoved(HWND window, int dx, int dy) {
    GraphicState* state = IsGraphicWindow(window) ? StateOf(window) : nullptr;
    if (!state) return;
    switch (state->pan.Moved(dx, dy, IsWindowVisible(window))) {
    case PanMoves::Step::PaintWhole: ShowGraphicArea(window, BackendRect{0, 0, 0x7FFF, 0x7FFF}); break;
    case PanMoves::Step::EndTurnLater: TurnsToEnd().push_back(state->control); break;
    case PanMoves::Step::Added: break;
    }
}

void EndPanTurns() {
    std::vector<Handle> controls;
    controls.swap(TurnsToEnd());
    for (const Handle control : controls) {
        const ControlRecord* record = FindControl(control);
        HWND window = record ? static_cast<HWND>(record->widget) : nullptr;
        GraphicState* state = IsGraphicWindow(window) ? StateOf(window) : nullptr;
        if (!state) continue;
        RECT client{};
        GetClientRect(window, &client);
        int dx = 0, dy = 0;
        const BackendRect size = ProgramRect(client);
        switch (state->pan.TurnEnded(size.width, size.height, &dx, &dy)) {
        case PanMoves::Show::Nothing: break;
        case PanMoves::Show::PaintWhole: ShowGraphicArea(window, size); break;
        // The uncovered strips are painted at the next paint.
        case PanMoves::Show::Scroll:
            ScrollWindowEx(window, ToDevice(dx), ToDevice(dy), nullptr, nullptr, nullptr, nullptr,
                           SW_INVALIDATE);
            break;
        }
    }
}

void SetGraphicPointer(HCURSOR cursor) {
    GraphicState* state = IsGraphicWindow(pointerWindow) ? StateOf(pointerWindow) : nullptr;
    if (!state) return;
    state->cursor = cursor;
    state->hidesPointer = cursor == nullptr;
    if (PointerOver(pointerWindow) || GetCapture() == pointerWindow) SetCursor(cursor);
}

bool SendWheelToPointedGraphic(UINT message, WPARAM wParam, LPARAM lParam) {
    POINT point{short(LOWORD(lParam)), short(HIWORD(lParam))};
    HWND target = WindowFromPoint(point);
    if (!IsGraphicWindow(target)) return false;
    SendMessageW(target, message, wParam, lParam);
    return true;
}
