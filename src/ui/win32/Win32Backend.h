#pragma once
// The window services over the Windows API: each opaque pointer the core
// keeps is an HWND (a dialog window or a control), an HMENU, a menu item (its
// menu and position), an HFONT or a local run. Internal to src/ui/win32.

#include "ui/Backend.h"

#include "ui/win32/WindowsApi.h"

class Win32Backend final : public UiBackend {
  public:
    // Dialog windows and controls (Win32Windows.cpp, Win32Controls.cpp).
    void* CreateDialogWindow(Handle dialog, const std::string& title, std::uint32_t style,
                             std::uint32_t extendedStyle, int width, int height,
                             void* font) override;
    void DestroyDialogWindow(void* window) override;
    void MoveDialogWindow(void* window, int x, int y) override;
    BackendRect ClientOrigin(void* window) override;
    std::optional<BackendRect> WorkArea() override;
    void ShowDialogWindow(void* window, std::uint32_t style) override;
    void HideDialogWindow(void* window) override;
    void EnableDialogWindow(void* window, bool enabled) override;
    void ActivateDialogWindow(void* window) override;
    std::string DialogTitle(void* window) override;
    void SetDialogTitle(void* window, const std::string& title) override;
    void* CreateControl(Handle control, std::int32_t kind, const std::string& text,
                        std::uint32_t style, std::uint32_t extendedStyle, void* dialogWindow,
                        const BackendRect& area, void* font) override;
    std::string ControlText(void* control) override;
    void SetControlText(void* control, const std::string& text) override;
    void SetControlFont(void* control, void* font) override;
    Handle FocusedControl() override;
    void FocusControl(void* control) override;
    BackendRect ControlClientArea(void* control) override;
    BackendRect DialogClientSize(void* dialogWindow) override;
    void PresentArea(void* control, const BackendRect& area) override;
    void ShowMoved(void* control, int dx, int dy) override;

    // Menus (Win32Menus.cpp).
    void* CreateMenu(bool bar) override;
    void* AddMenuSeparator(void* menu) override;
    void* AddSubMenu(void* menu, void* subMenu, const std::string& text) override;
    void* AddMenuCommand(void* menu, const std::string& text, Handle menuHandle,
                         std::uint32_t commandId) override;
    void ShowMenuItemChecked(void* item, bool checked) override;
    void AttachMenuBar(void* window, void* bar) override;

    // The loop, fonts, the pointer, boxes and choosers (Win32Services.cpp).
    void RunLocalLoop(void** running) override;
    void QuitLocalLoop(void* running) override;
    void* MakeFont(const BackendFont& font) override;
    void ReleaseFont(void* font) override;
    void SetPointerShape(std::int32_t shape) override;
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    std::optional<std::string> ChooseFile(ChooserKind kind, const FileChooserRequest& request,
                                          const std::string& filter) override;
};

// The window classes of the dialogs and of the graphic control, registered
// once when the services start.
bool RegisterDialogClass();
bool RegisterGraphicClass();
extern const wchar_t* const DIALOG_CLASS;
extern const wchar_t* const GRAPHIC_CLASS;
// Whether the window is of that class of ours.
bool IsOfClass(HWND window, const wchar_t* windowClass);
