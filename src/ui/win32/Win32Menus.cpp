// The Windows API backend's menus: a bar is a menu of CreateMenu, a pop-up
// one of CreatePopupMenu, and an item is named by its menu and position.
// Each command keeps the core's menu handle as its item data, so that the
// window finds it by command id, searching the sub-menus, when it is chosen.

#include "ui/win32/Win32Backend.h"

#include "ui/win32/WideText.h"

#include <list>

namespace {

// A menu item as Windows names it: its menu and its position there.
struct MenuItem {
    HMENU menu = nullptr;
    UINT position = 0;
};

HMENU Menu(void* menu) { return static_cast<HMENU>(menu); }

// Items live as long as the process, as the menus do.
MenuItem* NewItem(HMENU menu) {
    static std::list<MenuItem> items;
    const int count = GetMenuItemCount(menu);
    return &items.emplace_back(MenuItem{menu, UINT(count > 0 ? count - 1 : 0)});
}

} // namespace

void* Win32Backend::CreateMenu(bool bar) { return bar ? ::CreateMenu() : ::CreatePopupMenu(); }

void* Win32Backend::AddMenuSeparator(void* menu) {
    if (!AppendMenuW(Menu(menu), MF_SEPARATOR, 0, nullptr)) return nullptr;
    return NewItem(Menu(menu));
}

void* Win32Backend::AddSubMenu(void* menu, void* subMenu, const std::string& text) {
    if (!AppendMenuW(Menu(menu), MF_POPUP | MF_STRING,
                     reinterpret_cast<UINT_PTR>(subMenu), WideOf(text).c_str())) {
        return nullptr;
    }
    return NewItem(Menu(menu));
}

void* Win32Backend::AddMenuCommand(void* menu, const std::string& text, Handle menuHandle,
                                   std::uint32_t commandId) {
    if (!AppendMenuW(Menu(menu), MF_STRING, commandId, WideOf(text).c_str())) return nullptr;
    MenuItem* item = NewItem(Menu(menu));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    info.dwItemData = menuHandle;
    SetMenuItemInfoW(item->menu, item->position, TRUE, &info);
    return item;
}

void Win32Backend::ShowMenuItemChecked(void* item, bool checked) {
    const auto* menuItem = static_cast<MenuItem*>(item);
    CheckMenuItem(menuItem->menu, menuItem->position,
                  MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Backend::AttachMenuBar(void* window, void* bar) {
    // SetMenu keeps the window's size; the client area gives up the bar's
    // height, as the core expects.
    SetMenu(static_cast<HWND>(window), Menu(bar));
    DrawMenuBar(static_cast<HWND>(window));
}
