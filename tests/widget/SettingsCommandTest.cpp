// The "Configurador" command on a real main window, built the way start-up
// builds it: one dialog at a time, the main window's commands and canvas
// working while it is open, and the settings file written at each close.

#include "app/Commands.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/Texts.h"
#include "canvas/EditingState.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsPath.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Menus.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include "../support/TempFolder.h"
#include "MessageLog.h"
#include "SettingsDialogAccess.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// The main window's style and extended style as start-up gives them.
constexpr std::uint32_t MAIN_STYLE = 0x94CE08D4;
constexpr std::uint32_t MAIN_EXTENDED_STYLE = WS_EX_CONTROLPARENT;

QAction* MenuAction(const QList<QAction*>& actions, const QString& text) {
    for (QAction* action : actions) {
        if (action->text() == text) return action;
        if (action->menu()) {
            if (QAction* found = MenuAction(action->menu()->actions(), text)) return found;
        }
    }
    return nullptr;
}

QWidget* MainWindowWidget() {
    return TopLevelTitled(MAIN_WINDOW_TITLE);
}

QAction* MainMenuAction(const char* text) {
    QWidget* main = MainWindowWidget();
    QMenuBar* bar = main ? main->findChild<QMenuBar*>() : nullptr;
    return bar ? MenuAction(bar->actions(), QString::fromUtf8(text)) : nullptr;
}

void SendCommand(std::uint32_t id) {
    MainWindowHandler(Editing().MainWindow, WM_COMMAND, MakeWParam(int(id), 0), 0);
}

// Passes every canvas message on after noting it.
WindowProc canvasProcBelow = nullptr;
LResult NotingCanvasProc(Handle window, MessageId message, WParam wParam, LParam lParam) {
    LoggingHandler(window, message, wParam, lParam);
    return CallWindowProc(canvasProcBelow, window, message, wParam, lParam);
}

class SettingsCommandTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetEditingState();
        ResetSurfacesForTests();
        MessageLog().clear();
        SettingsDialogOpen = 0;
        SavedFocus = 0;
        const std::u8string text = folder.path().u8string();
        SetSettingsFolderForTests(std::string(text.begin(), text.end()));
    }
    void TearDown() override {
        SetSettingsFolderForTests("");
        ResetEditingState();
        ResetSurfacesForTests();
    }

    bool SettingsFileExists() const {
        return std::filesystem::exists(folder.path() / "Configuracion.ini");
    }
    std::string SettingsBytes() const {
        std::ifstream in(folder.path() / "Configuracion.ini", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Builds the main window as start-up does, with a 32 x 32 image, and
    // runs it; `whileRunning` starts once the window's run has begun and
    // must end it.
    void RunMainWindow(const std::function<void()>& whileRunning) {
        EditingState& state = Editing();
        state.ImageWidth = 32;
        state.ImageHeight = 32;
        state.ImageBitmap = NewBitmapSurface(32, 32);
        state.MainWindow = NewDialog(UNITS_PIXELS, 0, MAIN_WINDOW_TITLE, 200, 100, VIEW_WIDTH,
                                     VIEW_HEIGHT, MAIN_STYLE, MAIN_EXTENDED_STYLE);
        ASSERT_NE(state.MainWindow, 0u);
        BuildMainMenu(state.MainWindow);
        QTimer::singleShot(0, [&] {
            canvasProcBelow = SubclassControl(GetControlHandle(state.MainWindow, CanvasControlId),
                                              NotingCanvasProc);
            whileRunning();
            if (IsLiveWindow(state.MainWindow)) EndModal(state.MainWindow, 0);
        });
        RunModal(state.MainWindow, MainWindowHandler, nullptr);
    }

    TempFolder folder;
};

TEST_F(SettingsCommandTest, ReadsTheSettingsFileWhenTheMainWindowStarts) {
    std::ofstream(folder.path() / "Configuracion.ini", std::ios::binary)
        << "[Multiple]\r\nancho= 3\r\nalto= 12\r\n";
    QString shownWidth, shownHeight;
    RunMainWindow([&] {
        WithSettingsDialog([] { MainMenuAction(MENU_SETTINGS)->trigger(); },
                           [&](DialogWindow& w) {
                               shownWidth = WidthFieldWidget(&w)->text();
                               shownHeight = HeightFieldWidget(&w)->text();
                               w.close();
                           });
    });
    EXPECT_EQ(shownWidth.toStdString(), "3");
    EXPECT_EQ(shownHeight.toStdString(), "12");
}

TEST_F(SettingsCommandTest, SecondConfiguradorWhileOpenDoesNothingAndEachCloseWritesTheFile) {
    int openDialogs = 0;
    bool fileWrittenWhileOpen = true;
    std::string afterExit, afterCloseRequest;
    std::int32_t flagWhileOpen = 0;
    RunMainWindow([&] {
        ASSERT_NE(MainMenuAction(MENU_SETTINGS), nullptr);
        WithSettingsDialog([] { MainMenuAction(MENU_SETTINGS)->trigger(); },
                           [&](DialogWindow& w) {
                               flagWhileOpen = SettingsDialogOpen;
                               // Both ways a second command can come: the menu
                               // and the message itself. Each returns at once.
                               MainMenuAction(MENU_SETTINGS)->trigger();
                               SendCommand(CmdSettings);
                               for (QWidget* t : QApplication::topLevelWidgets()) {
                                   if (t->windowTitle() == SettingsTitle()) ++openDialogs;
                               }
                               fileWrittenWhileOpen = SettingsFileExists();
                               ReplaceFieldText(WidthFieldWidget(&w), "2");
                               ReplaceFieldText(HeightFieldWidget(&w), "4");
                               ClickThroughWindow(ExitButtonWidget(&w));
                           });
        afterExit = SettingsBytes();
        EXPECT_EQ(SettingsDialogOpen, 0);

        // The flag is down again: the next command opens a dialog, and its
        // close request writes the values unchanged.
        Editing().BlockWidth = -5;
        WithSettingsDialog([] { SendCommand(CmdSettings); },
                           [&](DialogWindow& w) {
                               ReplaceFieldText(WidthFieldWidget(&w), "9");
                               w.close();
                           });
        afterCloseRequest = SettingsBytes();
    });
    EXPECT_EQ(flagWhileOpen, 1);
    EXPECT_EQ(openDialogs, 1);
    EXPECT_FALSE(fileWrittenWhileOpen);
    EXPECT_EQ(afterExit, "[Multiple]\r\nancho= 2\r\nalto= 4\r\n");
    EXPECT_EQ(afterCloseRequest, "[Multiple]\r\nancho=-5\r\nalto= 4\r\n");
    EXPECT_EQ(SettingsDialogOpen, 0);
}

TEST_F(SettingsCommandTest, ModeChangesTakeEffectAtOnceWhileTheDialogIsOpen) {
    std::int32_t modeWhileOpen = -1;
    std::uint32_t blockItem = 0, panItem = 0;
    RunMainWindow([&] {
        WithSettingsDialog([] { MainMenuAction(MENU_SETTINGS)->trigger(); },
                           [&](DialogWindow& w) {
                               SendCommand(CmdModeRealColourBlock);
                               modeWhileOpen = Editing().MouseMode;
                               blockItem = GetMenuItemState(MenuBar, CmdModeRealColourBlock);
                               panItem = GetMenuItemState(MenuBar, CmdModePan);
                               // And through the menu item itself.
                               MainMenuAction(MENU_MODE_TRANSPARENT)->trigger();
                               EXPECT_EQ(Editing().MouseMode, EditTransparent);
                               w.close();
                           });
    });
    EXPECT_EQ(modeWhileOpen, EditRealColourBlock);
    EXPECT_EQ(blockItem, MFS_CHECKED);
    EXPECT_EQ(panItem, MFS_UNCHECKED);
}

TEST_F(SettingsCommandTest, CanvasTakesRealInputWhileOpenAndTheDialogGetsItsFocusBack) {
    Handle focusAfterClick = 0, canvas = 0, savedWhileOnCanvas = 0, widthField = 1;
    bool dialogStillOpen = false, fieldFocusedAgain = false;
    RunMainWindow([&] {
        canvas = GetControlHandle(Editing().MainWindow, CanvasControlId);
        WithSettingsDialog([] { MainMenuAction(MENU_SETTINGS)->trigger(); },
                           [&](DialogWindow& w) {
                               QWidget* client =
                                   MainWindowWidget()->findChild<QWidget*>("clientArea");
                               QWidget* target = client->childAt(QPoint(60, 40));
                               ASSERT_NE(target, nullptr);
                               MessageLog().clear();
                               ClickThroughWindow(target, target->mapFrom(client, QPoint(60, 40)));
                               QTest::keyClick(MainWindowWidget()->windowHandle(), Qt::Key_Right);
                               focusAfterClick = GetFocusControl();
                               dialogStillOpen = SettingsWindow() != nullptr;
                               savedWhileOnCanvas = SavedFocus;
                               widthField = GetControlHandle(w.handle(), WidthField);
                               // Back to the dialog, as a click on its caption
                               // would: the field that had the focus has it again.
                               w.activateWindow();
                               fieldFocusedAgain =
                                   WaitFor([&] { return WidthFieldWidget(&w)->hasFocus(); });
                               w.close();
                           });
    });
    EXPECT_TRUE(dialogStillOpen);
    EXPECT_EQ(focusAfterClick, canvas);
    EXPECT_EQ(savedWhileOnCanvas, widthField);
    EXPECT_TRUE(fieldFocusedAgain);
    const auto presses = Logged(WM_LBUTTONDOWN);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].window, canvas);
    // Client coordinates, inside the canvas's one-pixel border.
    EXPECT_EQ(XFromLParam(presses[0].lParam), 59);
    EXPECT_EQ(YFromLParam(presses[0].lParam), 39);
    EXPECT_EQ(Logged(WM_LBUTTONUP).size(), 1u);
    const auto keys = Logged(WM_KEYDOWN);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].wParam, VK_RIGHT);
}

} // namespace
