#include "ui/dialogs/Menus.h"

#include "ui/Handles.h"
#include "ui/Messages.h"
#include "ui/dialogs/DialogMessages.h"
#include "ui/dialogs/DialogWindow.h"
#include "ui/dialogs/Registry.h"
#include "ui/dialogs/Styles.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <map>
#include <vector>

namespace {

struct MenuItem {
    std::uint32_t commandId = 0;
    std::uint32_t state = 0;
    Handle subMenu = 0;
    QPointer<QAction> action;
};

struct MenuRecord {
    std::int32_t kind = MENU_POPUP;
    QPointer<QMenuBar> bar;
    QPointer<QMenu> popup;
    Handle parent = 0; // the menu this one was added to as a sub-menu
    Handle window = 0; // for a bar: the dialog it is attached to
    std::vector<MenuItem> items;
};

std::map<Handle, MenuRecord> menus;

MenuRecord* FindMenu(Handle menu) {
    const auto it = menus.find(menu);
    return it == menus.end() ? nullptr : &it->second;
}

// Item texts have no access letters: an ampersand is shown as itself.
QString PlainText(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("&"), QStringLiteral("&&"));
}

void ShowState(MenuItem& item) {
    if (!item.action) return;
    const bool checked = item.state & MFS_CHECKED;
    // Only a checked item is checkable, so an unchecked one shows no empty box.
    item.action->setCheckable(checked);
    item.action->setChecked(checked);
    item.action->setEnabled(true);
}

MenuItem* FindItem(Handle menu, std::uint32_t commandId, int depth = 0) {
    MenuRecord* record = FindMenu(menu);
    if (!record || depth > 32) return nullptr;
    for (MenuItem& item : record->items) {
        if (item.subMenu) {
            if (MenuItem* found = FindItem(item.subMenu, commandId, depth + 1)) return found;
        } else if (item.action && !item.action->isSeparator() && item.commandId == commandId) {
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

void Trigger(Handle menu, std::uint32_t commandId) {
    // A checkable action toggles itself before it reports: put back the state
    // the program set; the handler sets the new one itself.
    if (MenuItem* item = FindItem(menu, commandId)) ShowState(*item);
    const Handle window = WindowOf(menu);
    if (window) SendDialogMessage(window, WM_COMMAND, MakeWParam(int(commandId & 0xFFFF), 0), 0);
}

} // namespace

Handle NewMenu(std::int32_t kind) {
    const Handle handle = NewHandle();
    MenuRecord record;
    record.kind = kind == MENU_BAR ? MENU_BAR : MENU_POPUP;
    if (record.kind == MENU_BAR) record.bar = new QMenuBar();
    else record.popup = new QMenu();
    menus[handle] = record;
    return handle;
}

void AddMenuItem(Handle menu, const std::string& text, Handle subMenu, std::uint32_t commandId,
                 std::uint32_t state) {
    MenuRecord* record = FindMenu(menu);
    if (!record) return;
    QWidget* target = record->bar ? static_cast<QWidget*>(record->bar.data())
                                  : static_cast<QWidget*>(record->popup.data());
    if (!target) return;

    MenuItem item;
    if (text == "-") {
        item.action = record->popup ? record->popup->addSeparator() : nullptr;
        if (record->bar) item.action = record->bar->addSeparator();
    } else if (MenuRecord* sub = FindMenu(subMenu); sub && sub->popup && subMenu != menu) {
        sub->popup->setTitle(PlainText(text));
        sub->parent = menu;
        item.subMenu = subMenu;
        item.action = record->bar ? record->bar->addMenu(sub->popup)
                                  : record->popup->addMenu(sub->popup);
    } else {
        item.commandId = commandId;
        item.state = state;
        item.action = new QAction(PlainText(text), target);
        target->addAction(item.action);
        ShowState(item);
        QObject::connect(item.action, &QAction::triggered, item.action,
                         [menu, commandId] { Trigger(menu, commandId); });
    }
    record->items.push_back(item);
}

void AttachMenu(Handle window, Handle menuBar) {
    DialogRecord* dialog = FindDialog(window);
    MenuRecord* record = FindMenu(menuBar);
    if (!dialog || !dialog->window || !record || !record->bar) return;
    record->window = window;
    dialog->window->setMenuBar(record->bar);
}

void SetMenuItemState(Handle menu, std::uint32_t item, bool byCommand, std::uint32_t state) {
    MenuItem* found = nullptr;
    if (byCommand) {
        found = FindItem(menu, item);
    } else if (MenuRecord* record = FindMenu(menu); record && item < record->items.size()) {
        found = &record->items[item];
    }
    if (!found || found->subMenu || !found->action || found->action->isSeparator()) return;
    found->state = state;
    ShowState(*found);
}
