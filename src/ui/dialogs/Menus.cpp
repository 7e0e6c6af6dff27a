#include "ui/dialogs/Menus.h"

#include "ui/Backend.h"
#include "ui/Handles.h"
#include "ui/Messages.h"
#include "ui/dialogs/DialogMessages.h"
#include "ui/dialogs/MenuBars.h"
#include "ui/dialogs/Registry.h"
#include "ui/dialogs/Styles.h"

#include <map>
#include <vector>

namespace {

struct MenuItem {
    std::uint32_t commandId = 0;
    std::uint32_t state = 0;
    Handle subMenu = 0;
    bool separator = false;
    void* item = nullptr; // the backend's; nullptr once gone
};

struct MenuRecord {
    std::int32_t kind = MENU_POPUP;
    void* menu = nullptr; // the backend's bar or pop-up; nullptr once gone
    Handle parent = 0;    // the menu this one was added to as a sub-menu
    Handle window = 0;    // for a bar: the dialog it is attached to
    std::vector<MenuItem> items;
};

std::map<Handle, MenuRecord> menus;

MenuRecord* FindMenu(Handle menu) {
    const auto it = menus.find(menu);
    return it == menus.end() ? nullptr : &it->second;
}

// Item texts have no access letters: an ampersand is shown as itself.
std::string PlainText(const std::string& text) {
    std::string plain;
    for (const char c : text) {
        plain += c;
        if (c == '&') plain += '&';
    }
    return plain;
}

void ShowState(const MenuItem& item) {
    UiBackend* backend = CurrentUiBackend();
    if (backend && item.item) backend->ShowMenuItemChecked(item.item, item.state & MFS_CHECKED);
}

MenuItem* FindItem(Handle menu, std::uint32_t commandId, int depth = 0) {
    MenuRecord* record = FindMenu(menu);
    if (!record || depth > 32) return nullptr;
    for (MenuItem& item : record->items) {
        if (item.subMenu) {
            if (MenuItem* found = FindItem(item.subMenu, commandId, depth + 1)) return found;
        } else if (item.item && !item.separator && item.commandId == commandId) {
            return &item;
        }
    }
    return nullptr;
}

Handle WindowOf(Handle menu) {
    for (int depth = 0; depth < 32; ++depth) {
        const MenuRecord* record = FindMenu(menu);
        if (!record) return 0;
        if (record->kind == MENU_BAR) return record->window;
        menu = record->parent;
    }
    return 0;
}

} // namespace

void MenuCommandChosen(Handle menu, std::uint32_t commandId) {
    // A backend's check mark may toggle itself as the command is chosen: put
    // back the state the program set; the handler sets the new one itself.
    if (MenuItem* item = FindItem(menu, commandId)) ShowState(*item);
    const Handle window = WindowOf(menu);
    if (window) SendDialogMessage(window, WM_COMMAND, MakeWParam(int(commandId & 0xFFFF), 0), 0);
}

Handle NewMenu(std::int32_t kind) {
    const Handle handle = NewHandle();
    MenuRecord record;
    record.kind = kind == MENU_BAR ? MENU_BAR : MENU_POPUP;
    if (UiBackend* backend = CurrentUiBackend()) record.menu = backend->CreateMenu(record.kind == MENU_BAR);
    menus[handle] = record;
    return handle;
}

void AddMenuItem(Handle menu, const std::string& text, Handle subMenu, std::uint32_t commandId,
                 std::uint32_t state) {
    UiBackend* backend = CurrentUiBackend();
    MenuRecord* record = FindMenu(menu);
    if (!backend || !record || !record->menu) return;

    MenuItem item;
    if (text == "-") {
        item.separator = true;
        item.item = backend->AddMenuSeparator(record->menu);
    } else if (MenuRecord* sub = FindMenu(subMenu);
               sub && sub->kind == MENU_POPUP && sub->menu && subMenu != menu) {
        sub->parent = menu;
        item.subMenu = subMenu;
        item.item = backend->AddSubMenu(record->menu, sub->menu, PlainText(text));
    } else {
        item.commandId = commandId;
        item.state = state;
        item.item = backend->AddMenuCommand(record->menu, PlainText(text), menu, commandId);
        ShowState(item);
    }
    record->items.push_back(item);
}

void AttachMenu(Handle window, Handle menuBar) {
    UiBackend* backend = CurrentUiBackend();
    DialogRecord* dialog = FindDialog(window);
    MenuRecord* record = FindMenu(menuBar);
    if (!backend || !dialog || !dialog->window || !record || record->kind != MENU_BAR ||
        !record->menu) {
        return;
    }
    record->window = window;
    backend->AttachMenuBar(dialog->window, record->menu);
}

void SetMenuItemState(Handle menu, std::uint32_t item, bool byCommand, std::uint32_t state) {
    MenuItem* found = nullptr;
    if (byCommand) {
        found = FindItem(menu, item);
    } else if (MenuRecord* record = FindMenu(menu); record && item < record->items.size()) {
        found = &record->items[item];
    }
    if (!found || found->subMenu || !found->item || found->separator) return;
    found->state = state;
    ShowState(*found);
}

void ForgetMenuBarOf(Handle dialog) {
    for (auto& [handle, record] : menus) {
        if (record.kind != MENU_BAR || record.window != dialog || !record.menu) continue;
        record.menu = nullptr;
        for (MenuItem& item : record.items) {
            if (!item.subMenu) item.item = nullptr;
        }
    }
}
