// What the main window looks like once initialised: the menu bar's tree, its
// texts and check marks, and the canvas filling the client area from (0, 0)
// with its lower rows under the window's edge.

#include "../support/EditorSession.h"

#include <QApplication>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

QWidget* MainWindowWidget() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == QStringLiteral("Velmora - Editor Bitmap ...")) return w;
    }
    return nullptr;
}

// A menu written out: "Title[item, -, item*, Sub[...]]", * for a check mark.
std::string Describe(const QList<QAction*>& actions) {
    std::string text;
    for (QAction* action : actions) {
        if (!text.empty()) text += ", ";
        if (action->isSeparator()) {
            text += "-";
            continue;
        }
        text += "'" + action->text().toStdString() + "'";
        if (action->isChecked()) text += "*";
        if (!action->shortcut().isEmpty()) text += "(shortcut)";
        if (!action->isEnabled()) text += "(disabled)";
        if (action->menu()) text += "[" + Describe(action->menu()->actions()) + "]";
    }
    return text;
}

class MainWindowLayout : public testing::Test {
  protected:
    void SetUp() override {
        session.Open(3, 2, RandomPicture(3, 2, 61));
        window = MainWindowWidget();
        ASSERT_NE(window, nullptr);
        bar = window->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        client = window->findChild<QWidget*>(QStringLiteral("clientArea"));
        ASSERT_NE(client, nullptr);
        canvas = client->findChild<QFrame*>();
        ASSERT_NE(canvas, nullptr);
    }
    EditorSession session;
    QWidget* window = nullptr;
    QMenuBar* bar = nullptr;
    QWidget* client = nullptr;
    QFrame* canvas = nullptr;
};

TEST_F(MainWindowLayout, MenuBarHasTheItemsInOrderWithOnlyMovePaperChecked) {
    EXPECT_EQ(Describe(bar->actions()),
              "'Archivos'['Grabar', -, 'Autor'], 'Opciones'['Configurador'], "
              "'Raton'['Izquierda'['Mover papel'*, 'Editar Transparencia ', "
              "'Editar Transparencia Multiple', 'Editar Color Real ', "
              "'Editar Color Real Multiple']]");
}

TEST_F(MainWindowLayout, MenuTextsHaveNoAccessLetters) {
    // An ampersand in an item's text would underline the next letter.
    std::function<void(const QList<QAction*>&)> check = [&](const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            EXPECT_FALSE(action->text().contains(QLatin1Char('&'))) << action->text().toStdString();
            if (action->menu()) check(action->menu()->actions());
        }
    };
    check(bar->actions());
}

TEST_F(MainWindowLayout, CanvasCoversTheClientAreaFromItsTopLeftAndReachesBelowIt) {
    EXPECT_EQ(window->size(), QSize(1200, 950));
    EXPECT_GT(bar->height(), 0);
    EXPECT_EQ(client->geometry(), QRect(0, bar->height(), 1200, 950 - bar->height()));
    EXPECT_EQ(canvas->geometry(), QRect(0, 0, 1200, 950));
    EXPECT_EQ(canvas->frameWidth(), 1);
    EXPECT_EQ(canvas->contentsRect(), QRect(1, 1, 1198, 948));
}

TEST_F(MainWindowLayout, ResizingTheWindowChangesNothingInsideIt) {
    const SurfaceCopy picture = CopyOf(session.Canvas());
    window->resize(700, 400);
    window->resize(1600, 1000);
    EXPECT_EQ(canvas->geometry(), QRect(0, 0, 1200, 950));
    EXPECT_TRUE(CopyOf(session.Canvas()) == picture);
}

} // namespace
