// The Qt backend's menus: a bar is a QMenuBar, a pop-up a QMenu, an item
// its QAction.

#include "ui/qt/QtBackend.h"

#include "ui/qt/DialogWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QWidget* MenuWidget(void* menu) { return static_cast<QWidget*>(menu); }

} // namespace

void* QtBackend::CreateMenu(bool bar) {
    // Kept as widgets, so that a bar and a pop-up are told apart by a cast.
    return bar ? static_cast<QWidget*>(new QMenuBar()) : static_cast<QWidget*>(new QMenu());
}

void* QtBackend::AddMenuSeparator(void* menu) {
    if (auto* bar = qobject_cast<QMenuBar*>(MenuWidget(menu))) return bar->addSeparator();
    return static_cast<QMenu*>(MenuWidget(menu))->addSeparator();
}

void* QtBackend::AddSubMenu(void* menu, void* subMenu, const std::string& text) {
    auto* popup = static_cast<QMenu*>(MenuWidget(subMenu));
    popup->setTitle(QString::fromStdString(text));
    if (auto* bar = qobject_cast<QMenuBar*>(MenuWidget(menu))) return bar->addMenu(popup);
    return static_cast<QMenu*>(MenuWidget(menu))->addMenu(popup);
}

void* QtBackend::AddMenuCommand(void* menu, const std::string& text, Handle menuHandle,
                                std::uint32_t commandId) {
    QWidget* target = MenuWidget(menu);
    auto* action = new QAction(QString::fromStdString(text), target);
    target->addAction(action);
    QObject::connect(action, &QAction::triggered, action,
                     [menuHandle, commandId] { MenuCommandChosen(menuHandle, commandId); });
    return action;
}

void QtBackend::ShowMenuItemChecked(void* item, bool checked) {
    auto* action = static_cast<QAction*>(item);
    // Only a checked item is checkable, so an unchecked one shows no empty box.
    action->setCheckable(checked);
    action->setChecked(checked);
    action->setEnabled(true);
}

void QtBackend::AttachMenuBar(void* window, void* bar) {
    static_cast<DialogWindow*>(window)->setMenuBar(static_cast<QMenuBar*>(MenuWidget(bar)));
}
