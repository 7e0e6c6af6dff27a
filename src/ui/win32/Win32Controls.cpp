// The Windows API backend's controls: the system's "BUTTON", "STATIC" and
// "EDIT" windows, and the graphic control of GraphicWindow.h. They notify
// their dialog with WM_COMMAND, which the dialog window turns into the
// core's notification with the control's own handle.

#include "ui/win32/Win32Backend.h"

#include "ui/dialogs/Registry.h"
#include "ui/dialogs/Styles.h"
#include "ui/win32/GraphicWindow.h"
#include "ui/win32/Scale.h"
#include "ui/win32/WideText.h"

namespace {

HWND Control(void* control) { return static_cast<HWND>(control); }

const wchar_t* ClassOfKind(std::int32_t kind) {
    switch (kind) {
    case KIND_BUTTON: return L"BUTTON";
    case KIND_STATIC: return L"STATIC";
    case KIND_EDIT: return L"EDIT";
    case KIND_GRAPHIC: return GRAPHIC_CLASS;
    default: return nullptr;
    }
}

// Child window ids the dialog manager gives no meaning to: never IDOK or
// IDCANCEL, which Enter and Escape would otherwise press.
UINT NextChildId() {
    static UINT next = 0x100;
    const UINT id = next;
    next = next >= 0xFF00 ? 0x100 : next + 1;
    return id;
}

} // namespace

void* Win32Backend::CreateControl(Handle control, std::int32_t kind, const std::string& text,
                                  std::uint32_t style, std::uint32_t extendedStyle,
                                  void* dialogWindow, const BackendRect& area, void* font) {
    const wchar_t* windowClass = ClassOfKind(kind);
    if (!windowClass) return nullptr;
    DWORD windowStyle = (style & ~DWORD(WS_POPUP)) | WS_CHILD | WS_VISIBLE;
    // The owner-drawn type of our style names the graphic control; the class
    // itself draws, and takes no low-word style.
    if (kind == KIND_GRAPHIC) windowStyle &= ~DWORD(0xFFFF);
    // Enter must not press a button of its own accord.
    if (kind == KIND_BUTTON) windowStyle &= ~DWORD(BS_DEFPUSHBUTTON);
    void* created = kind == KIND_GRAPHIC ? NewGraphicState(control) : nullptr;
    const RECT place = DeviceRect(area);
    HWND window = CreateWindowExW(
        extendedStyle, windowClass, WideOf(text).c_str(), windowStyle, place.left, place.top,
        place.right - place.left, place.bottom - place.top, static_cast<HWND>(dialogWindow),
        reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(NextChildId())),
        GetModuleHandleW(nullptr), created);
    if (!window) {
        DeleteGraphicState(created);
        return nullptr;
    }
    if (font) SendMessageW(window, WM_SETFONT, WPARAM(font), FALSE);
    return window;
}

std::string Win32Backend::ControlText(void* control) { return TextOfWindow(Control(control)); }

void Win32Backend::SetControlText(void* control, const std::string& text) {
    GiveWindowText(Control(control), text);
}

void Win32Backend::SetControlFont(void* control, void* font) {
    if (font) SendMessageW(Control(control), WM_SETFONT, WPARAM(font), TRUE);
}

Handle Win32Backend::FocusedControl() {
    for (HWND window = GetFocus(); window; window = GetParent(window)) {
        if (const ControlRecord* record = FindControlByWindow(window)) return record->handle;
    }
    return 0;
}

void Win32Backend::FocusControl(void* control) {
    HWND window = Control(control);
    // Focus on a control of an inactive window activates that window, as a
    // click on it does; otherwise the keys would still go to the other one.
    HWND top = GetAncestor(window, GA_ROOT);
    if (top && GetForegroundWindow() != top) SetForegroundWindow(top);
    SetFocus(window);
}

BackendRect Win32Backend::ControlClientArea(void* control) {
    HWND window = Control(control);
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, GetParent(window), reinterpret_cast<POINT*>(&client), 2);
    return ProgramRect(client);
}

void Win32Backend::PresentArea(void* control, const BackendRect& area) {
    ShowGraphicArea(Control(control), area);
}

void Win32Backend::ShowMoved(void* control, int dx, int dy) {
    ShowGraphicMoved(Control(control), dx, dy);
}
