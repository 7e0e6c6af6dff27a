#pragma once
// Menu bars and pop-up menus, found by handle; items are found by command id
// through every sub-menu. Commands reach the handler of the window the bar is
// attached to as WM_COMMAND with the id in the low word and lParam 0.

#include "ui/Types.h"

#include <cstdint>
#include <string>

// MENU_BAR or MENU_POPUP.
Handle NewMenu(std::int32_t kind);

// Appends an item: a command (id, state), a sub-menu title (subMenu), or a
// separator (text exactly "-", whatever the id and state).
void AddMenuItem(Handle menu, const std::string& text, Handle subMenu, std::uint32_t commandId,
                 std::uint32_t state);

// Gives a dialog its menu bar, at the top of its client area, without
// resizing the window.
void AttachMenu(Handle window, Handle menuBar);

// Sets an item's whole state (MFS_CHECKED or 0), finding it by command id
// through the menu and its sub-menus when byCommand is set.
void SetMenuItemState(Handle menu, std::uint32_t item, bool byCommand, std::uint32_t state);
