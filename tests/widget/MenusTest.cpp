#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Menus.h"
#include "ui/dialogs/Styles.h"

#include "MessageLog.h"
#include "QtAccess.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Built {
    Handle dialog, bar, file, modes;
};

Built BuildTestMenu(const char* title) {
    Built b{};
    b.dialog = NewDialog(UNITS_PIXELS, 0, title, 0, 0, 400, 300, 0x94CE08D4, 0);
    b.bar = NewMenu(MENU_BAR);
    b.file = NewMenu(MENU_POPUP);
    AddMenuItem(b.bar, "Archivos", b.file, 0, 0, APPEND_POSITION, 0, 0);
    AddMenuItem(b.file, "Grabar", 0, 19004, 0, APPEND_POSITION, 0, 0);
    AddMenuItem(b.file, "-", 0, 777, MFS_CHECKED, APPEND_POSITION, 0, 0);
    AddMenuItem(b.file, "A & B", 0, 19007, 0, APPEND_POSITION, 0, 0);
    const Handle mouse = NewMenu(MENU_POPUP);
    b.modes = NewMenu(MENU_POPUP);
    AddMenuItem(b.bar, "Raton", mouse, 0, 0, APPEND_POSITION, 0, 0);
    AddMenuItem(mouse, "Izquierda", b.modes, 0, 0, APPEND_POSITION, 0, 0);
    AddMenuItem(b.modes, "Mover papel", 0, 19005, MFS_CHECKED, APPEND_POSITION, 0, 0);
    AddMenuItem(b.modes, "Editar Transparencia ", 0, 19006, 0, APPEND_POSITION, 0, 0);
    AttachMenu(b.dialog, b.bar);
    return b;
}

QMenuBar* BarOf(const char* title) { return TopLevelTitled(title)->findChild<QMenuBar*>(); }

TEST(Menus, BuildsTitlesItemsAndSeparatorsInOrder) {
    const Built b = BuildTestMenu("menus1");
    QTimer::singleShot(0, [&] {
        QMenuBar* bar = BarOf("menus1");
        ASSERT_NE(bar, nullptr);
        const auto titles = bar->actions();
        ASSERT_EQ(titles.size(), 2);
        EXPECT_EQ(titles[0]->text(), "Archivos");
        EXPECT_EQ(titles[1]->text(), "Raton");
        const auto items = titles[0]->menu()->actions();
        ASSERT_EQ(items.size(), 3);
        EXPECT_EQ(items[0]->text(), "Grabar");
        EXPECT_TRUE(items[1]->isSeparator());
        EXPECT_EQ(items[2]->text(), "A && B"); // shown as "A & B", no access letter
        const auto modes = titles[1]->menu()->actions()[0]->menu()->actions();
        ASSERT_EQ(modes.size(), 2);
        EXPECT_EQ(modes[1]->text(), "Editar Transparencia ");
        EXPECT_TRUE(modes[0]->isChecked());
        EXPECT_FALSE(modes[1]->isChecked());
        EXPECT_TRUE(modes[0]->shortcut().isEmpty());
        EndModal(b.dialog, 0);
    });
    RunModal(b.dialog, nullptr, nullptr);
}

TEST(Menus, TheBarTakesItsHeightFromTheClientAreaNotTheWindow) {
    const Built b = BuildTestMenu("menus2");
    QTimer::singleShot(0, [&] {
        QWidget* window = TopLevelTitled("menus2");
        EXPECT_EQ(window->size(), QSize(400, 300));
        QWidget* client = window->findChild<QWidget*>("clientArea");
        const int barHeight = BarOf("menus2")->height();
        EXPECT_GT(barHeight, 0);
        EXPECT_EQ(client->geometry(), QRect(0, barHeight, 400, 300 - barHeight));
        EndModal(b.dialog, 0);
    });
    RunModal(b.dialog, nullptr, nullptr);
}

TEST(Menus, StatesAreFoundByCommandIdThroughSubMenus) {
    const Built b = BuildTestMenu("menus3");
    EXPECT_EQ(GetMenuItemState(b.bar, 19005), MFS_CHECKED);
    SetMenuItemState(b.bar, 19005, true, 0);
    SetMenuItemState(b.bar, 19006, true, MFS_CHECKED);
    EXPECT_EQ(GetMenuItemState(b.bar, 19005), 0u);
    EXPECT_EQ(GetMenuItemState(b.bar, 19006), MFS_CHECKED);
    EXPECT_EQ(GetMenuItemState(b.bar, 777), 0xFFFFFFFFu) << "a separator keeps no id";
    SetMenuItemState(b.bar, 4242, true, MFS_CHECKED); // no such item: nothing happens
    QTimer::singleShot(0, [&] {
        const auto modes =
            BarOf("menus3")->actions()[1]->menu()->actions()[0]->menu()->actions();
        EXPECT_FALSE(modes[0]->isChecked());
        EXPECT_TRUE(modes[1]->isChecked());
        EXPECT_TRUE(modes[0]->isEnabled());
        EndModal(b.dialog, 0);
    });
    RunModal(b.dialog, nullptr, nullptr);
}

TEST(Menus, ChoosingAnItemSendsItsCommandAndKeepsTheStateTheProgramSet) {
    MessageLog().clear();
    const Built b = BuildTestMenu("menus4");
    QTimer::singleShot(0, [&] {
        const auto modes =
            BarOf("menus4")->actions()[1]->menu()->actions()[0]->menu()->actions();
        modes[0]->trigger(); // the checked item: Qt would uncheck it by itself
        EXPECT_TRUE(modes[0]->isChecked());
        BarOf("menus4")->actions()[0]->menu()->actions()[0]->trigger();
        EndModal(b.dialog, 0);
    });
    RunModal(b.dialog, LoggingHandler, nullptr);
    const auto commands = Logged(WM_COMMAND);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].wParam, 19005u);
    EXPECT_EQ(commands[1].wParam, 19004u);
    EXPECT_EQ(commands[1].lParam, 0);
}

} // namespace
