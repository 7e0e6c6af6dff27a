// The Windows API backend's dialog windows: one window class whose default
// handling is the system's dialog handling (DefDlgProcW), so that Tab moves
// between controls as in any dialog. The window reports to the core what the
// user does to it.

#include "ui/win32/Win32Backend.h"

#include "ui/Messages.h"
#include "ui/dialogs/DialogMessages.h"
#include "ui/dialogs/Registry.h"
#include "ui/win32/GraphicWindow.h"
#include "ui/win32/Scale.h"
#include "ui/win32/WideText.h"

const wchar_t* const DIALOG_CLASS = L"VelmoraDialog";

namespace {

HWND Window(void* window) { return static_cast<HWND>(window); }

Handle DialogOf(HWND window) { return Handle(GetWindowLongPtrW(window, GWLP_USERDATA)); }

// The style bits a top-level window takes from ours: the showing state is
// given when the window is shown, and the low word holds dialog-template
// flags that mean nothing to a window created directly.
DWORD WindowStyle(std::uint32_t style) {
    return style & ~DWORD(WS_VISIBLE | WS_MAXIMIZE | WS_MINIMIZE | WS_DISABLED | 0xFFFF);
}

WPARAM SizeType(HWND window) {
    if (IsIconic(window)) return SIZE_MINIMIZED;
    if (IsZoomed(window)) return SIZE_MAXIMIZED;
    return SIZE_RESTORED;
}

void ReportCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (lParam != 0) {
        // A control's notification: the core names the control by our handle.
        const ControlRecord* control = FindControlByWindow(reinterpret_cast<void*>(lParam));
        const WORD code = HIWORD(wParam);
        const bool known = code == BN_CLICKED || code == EN_CHANGE || code == EN_SETFOCUS ||
                           code == EN_KILLFOCUS;
        if (control && known && GetParent(reinterpret_cast<HWND>(lParam)) == window) {
            NotifyDialog(control->handle, code);
        }
        return;
    }
    // A menu command; anything else with no control (the dialog manager's
    // IDOK and IDCANCEL for Enter and Escape) is not the program's.
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    const HMENU bar = GetMenu(window);
    if (HIWORD(wParam) == 0 && bar && GetMenuItemInfoW(bar, LOWORD(wParam), FALSE, &info)) {
        MenuCommandChosen(Handle(info.dwItemData), LOWORD(wParam));
    }
}

LRESULT CALLBACK DialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          LONG_PTR(reinterpret_cast<std::uintptr_t>(create->lpCreateParams)));
    }
    const Handle dialog = DialogOf(window);
    switch (message) {
    case WM_CLOSE:
        // The close box becomes the close command; its default handling ends
        // the run. The window itself is destroyed by the core only.
        SendDialogMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_NCACTIVATE:
        SendDialogMessage(dialog, WM_NCACTIVATE, wParam ? 1 : 0, 0);
        break;
    case WM_SIZE:
        if (const DialogRecord* record = FindDialog(dialog); record && record->running) {
            SendDialogMessage(dialog, WM_SIZE, WParam(SizeType(window)),
                              MakeLParam(ToProgram(LOWORD(lParam)), ToProgram(HIWORD(lParam))));
        }
        break;
    case WM_COMMAND:
        ReportCommand(window, wParam, lParam);
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        if (SendWheelToPointedGraphic(message, wParam, lParam)) return 0;
        break;
    default: break;
    }
    return DefDlgProcW(window, message, wParam, lParam);
}

RECT FrameFor(DWORD style, DWORD extendedStyle, int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    return frame;
}

} // namespace

bool RegisterDialogClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DialogWindowProc;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = DIALOG_CLASS;
    return RegisterClassExW(&windowClass) != 0;
}

bool IsOfClass(HWND window, const wchar_t* windowClass) {
    wchar_t name[32] = {};
    return window && GetClassNameW(window, name, 32) > 0 && lstrcmpW(name, windowClass) == 0;
}

void* Win32Backend::CreateDialogWindow(Handle dialog, const std::string& title,
                                       std::uint32_t style, std::uint32_t extendedStyle,
                                       int width, int height, void* font) {
    DWORD windowStyle = WindowStyle(style);
    if (!(style & WS_THICKFRAME)) windowStyle &= ~DWORD(WS_MAXIMIZEBOX);
    const RECT frame = FrameFor(windowStyle, extendedStyle, ToDevice(width), ToDevice(height));
    HWND window = CreateWindowExW(extendedStyle, DIALOG_CLASS, WideOf(title).c_str(), windowStyle,
                                  0, 0, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, GetModuleHandleW(nullptr),
                                  reinterpret_cast<void*>(std::uintptr_t(dialog)));
    if (window && font) SendMessageW(window, WM_SETFONT, WPARAM(font), FALSE);
    return window;
}

void Win32Backend::DestroyDialogWindow(void* window) { DestroyWindow(Window(window)); }

void Win32Backend::MoveDialogWindow(void* window, int x, int y) {
    SetWindowPos(Window(window), nullptr, ToDevice(x), ToDevice(y), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BackendRect Win32Backend::ClientOrigin(void* window) {
    POINT origin{0, 0};
    ClientToScreen(Window(window), &origin);
    return BackendRect{ToProgram(origin.x), ToProgram(origin.y), 0, 0};
}

std::optional<BackendRect> Win32Backend::WorkArea() {
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return std::nullopt;
    // The core centres a window's client area and moves its frame: the area
    // given is short of a dialog frame's borders, so that the frame, not
    // only the client area, lands in the middle.
    const RECT frame = FrameFor(WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0);
    area.right -= frame.right - frame.left;
    area.bottom -= frame.bottom - frame.top;
    return ProgramRect(area);
}

void Win32Backend::ShowDialogWindow(void* window, std::uint32_t style) {
    HWND w = Window(window);
    ShowWindow(w, (style & WS_MAXIMIZE)   ? SW_SHOWMAXIMIZED
                  : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                                          : SW_SHOWNORMAL);
    SetForegroundWindow(w);
    UpdateWindow(w);
}

void Win32Backend::HideDialogWindow(void* window) { ShowWindow(Window(window), SW_HIDE); }

void Win32Backend::EnableDialogWindow(void* window, bool enabled) {
    EnableWindow(Window(window), enabled);
}

void Win32Backend::ActivateDialogWindow(void* window) { SetForegroundWindow(Window(window)); }

std::string Win32Backend::DialogTitle(void* window) { return TextOfWindow(Window(window)); }

void Win32Backend::SetDialogTitle(void* window, const std::string& title) {
    GiveWindowText(Window(window), title);
}

BackendRect Win32Backend::DialogClientSize(void* dialogWindow) {
    RECT client{};
    GetClientRect(Window(dialogWindow), &client);
    return ProgramRect(client);
}
