#pragma once
// What a window system must provide to the window services. The services'
// core (handles, records, message routing, modal runs, styles, units, menus'
// bookkeeping, fonts' table, the drawing surfaces) knows no window system; it
// asks the installed backend for everything that shows on the screen or waits
// for input. A backend keeps no records of its own: each window, control,
// menu, menu item and font it makes is an opaque pointer the core keeps and
// hands back. The Qt backend is src/ui/qt; docs/ARCHITECTURE.md lists this
// interface as the checklist of a new one.
//
// A backend calls back into the core for what the user does: the routing of
// ui/dialogs/DialogMessages.h for messages, MenuCommandChosen (below) for a
// menu command, FindControlByWindow (ui/dialogs/Registry.h) to name a control.

#include "ui/Types.h"
#include "ui/dialogs/FileChooser.h"

#include <cstdint>
#include <optional>
#include <string>

// Pixels; x and y on the screen or in a parent's client area, as each use says.
struct BackendRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A font as the core's table describes it.
struct BackendFont {
    std::string face;   // cut to the table's length already
    int pixelSize = 0;  // character height in pixels
    bool bold = false, italic = false, underline = false, strikeOut = false;
};

class UiBackend {
  public:
    virtual ~UiBackend() = default;

    // --- Dialog windows ---------------------------------------------------
    // A hidden top-level window whose client area (below any menu bar) is
    // width x height and holds the controls; fixed in size unless the style
    // has WS_THICKFRAME. The style is normalised already. nullptr on failure.
    virtual void* CreateDialogWindow(Handle dialog, const std::string& title, std::uint32_t style,
                                     std::uint32_t extendedStyle, int width, int height,
                                     void* font) = 0;
    // Destroys the window, its controls and the menu bar attached to it.
    virtual void DestroyDialogWindow(void* window) = 0;
    virtual void MoveDialogWindow(void* window, int x, int y) = 0;
    // The screen position of the client area's top-left corner (x and y).
    virtual BackendRect ClientOrigin(void* window) = 0;
    // The primary screen's work area; nothing without a screen.
    virtual std::optional<BackendRect> WorkArea() = 0;
    // Shown maximised, minimised (by WS_MAXIMIZE, WS_MINIMIZE) or as it is,
    // brought to the front and activated.
    virtual void ShowDialogWindow(void* window, std::uint32_t style) = 0;
    virtual void HideDialogWindow(void* window) = 0;
    virtual void EnableDialogWindow(void* window, bool enabled) = 0;
    virtual void ActivateDialogWindow(void* window) = 0;
    virtual std::string DialogTitle(void* window) = 0;
    virtual void SetDialogTitle(void* window, const std::string& title) = 0;
    // Reports to the core, with SendDialogMessage: a close request
    // (WM_SYSCOMMAND SC_CLOSE, the window staying open), activation
    // (WM_NCACTIVATE 1 or 0) and, while the dialog's run is on, a resize
    // (WM_SIZE with the client area's new size).

    // --- Controls ----------------------------------------------------------
    // A shown control of the kind (ui/dialogs/Styles.h) in the dialog's client
    // area at `area`; its style holds the kind's defaults already. nullptr for
    // a kind the backend has no control for. Buttons report BN_CLICKED, text
    // boxes EN_CHANGE, EN_SETFOCUS and EN_KILLFOCUS (NotifyDialog); a graphic
    // control sends its input to the control's procedure (SendControlMessage)
    // as the table in docs/ARCHITECTURE.md says.
    virtual void* CreateControl(Handle control, std::int32_t kind, const std::string& text,
                                std::uint32_t style, std::uint32_t extendedStyle,
                                void* dialogWindow, const BackendRect& area, void* font) = 0;
    virtual std::string ControlText(void* control) = 0;
    virtual void SetControlText(void* control, const std::string& text) = 0;
    virtual void SetControlFont(void* control, void* font) = 0;
    // The control with the keyboard focus, as the core names it (0: none of
    // ours), and giving a control the focus (activating its window).
    virtual Handle FocusedControl() = 0;
    virtual void FocusControl(void* control) = 0;
    // The control's client area (inside its border) in its dialog's client
    // coordinates, and the size of that client area, as they are now.
    virtual BackendRect ControlClientArea(void* control) = 0;
    virtual BackendRect DialogClientSize(void* dialogWindow) = 0;
    // A graphic control: paint that area from its surface's screen pixels
    // (SurfaceScreenPixels) at the next paint; show the whole surface moved
    // by (dx, dy) since it was last shown (PanMoves says how). Nothing for
    // any other control.
    virtual void PresentArea(void* control, const BackendRect& area) = 0;
    virtual void ShowMoved(void* control, int dx, int dy) = 0;

    // --- The local event loop --------------------------------------------
    // Handles input until QuitLocalLoop is given the token this run stores in
    // *running as it starts; *running is nullptr again when it returns. Runs
    // nest, and a quit ends only its own run.
    virtual void RunLocalLoop(void** running) = 0;
    virtual void QuitLocalLoop(void* running) = 0;

    // --- Menus --------------------------------------------------------------
    virtual void* CreateMenu(bool bar) = 0;
    // Each gives the new item. Texts come with the access-letter escape
    // applied ("&&" for a shown "&"). A command, when chosen, calls
    // MenuCommandChosen(menu, commandId) with the given menu handle.
    virtual void* AddMenuSeparator(void* menu) = 0;
    virtual void* AddSubMenu(void* menu, void* subMenu, const std::string& text) = 0;
    virtual void* AddMenuCommand(void* menu, const std::string& text, Handle menuHandle,
                                 std::uint32_t commandId) = 0;
    // Shows the check mark or none (an unchecked command shows no box).
    virtual void ShowMenuItemChecked(void* item, bool checked) = 0;
    // Puts the bar at the top of the window; the window keeps its size.
    virtual void AttachMenuBar(void* window, void* bar) = 0;

    // --- Fonts, the pointer -------------------------------------------------
    virtual void* MakeFont(const BackendFont& font) = 0;
    virtual void ReleaseFont(void* font) = 0;
    // A PointerShape of ui/dialogs/Styles.h, over the control that last had
    // the pointer.
    virtual void SetPointerShape(std::int32_t shape) = 0;

    // --- Boxes and choosers (no owner; every other window keeps working) -----
    // The text's lines are joined by "\n"; the caption is never empty.
    virtual void ShowMessageBox(const std::string& text, const std::string& caption) = 0;
    // `filter` is "description (pattern)". The full path chosen, or nothing.
    virtual std::optional<std::string> ChooseFile(ChooserKind kind,
                                                  const FileChooserRequest& request,
                                                  const std::string& filter) = 0;
};

// The backend the services use; nullptr until one is installed, and then
// every service that needs one does nothing and gives 0 or nothing.
UiBackend* CurrentUiBackend();
void InstallUiBackend(UiBackend* backend);

// A menu command was chosen (for backends).
void MenuCommandChosen(Handle menu, std::uint32_t commandId);
