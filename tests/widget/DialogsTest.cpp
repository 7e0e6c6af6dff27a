#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Styles.h"

#include "MessageLog.h"
#include "QtAccess.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

Handle PixelDialog(const char* title, Handle owner = 0) {
    return NewDialog(UNITS_PIXELS, owner, title, 10, 10, 300, 200, 0x94CE08D4, 0);
}

// Runs the action once the modal run has started.
void Soon(std::function<void()> action) { QTimer::singleShot(0, action); }

class Dialogs : public testing::Test {
  protected:
    void SetUp() override { MessageLog().clear(); }
};

TEST_F(Dialogs, RunDeliversInitAndSizeBeforeShowingThenCloseRequestEndsWithZero) {
    const Handle dialog = PixelDialog("uno");
    ASSERT_NE(dialog, 0u);
    bool visibleAtInit = true;
    Soon([&] {
        QWidget* window = TopLevelTitled("uno");
        ASSERT_NE(window, nullptr);
        window->close(); // the window system's close request
    });
    std::int32_t result = 77;
    RunModal(dialog, [](Handle w, MessageId m, WParam wp, LParam lp) -> LResult {
        if (m == WM_INITDIALOG && TopLevelTitled("uno")) MessageLog().push_back({w, 0xDEAD, 0, 0});
        return LoggingHandler(w, m, wp, lp);
    }, &result);
    visibleAtInit = !Logged(0xDEAD).empty();
    EXPECT_FALSE(visibleAtInit);
    EXPECT_EQ(result, 0);
    const std::vector<MessageId> ids = LoggedIds();
    ASSERT_GE(ids.size(), 4u);
    EXPECT_EQ(ids[0], WM_INITDIALOG);
    EXPECT_EQ(MessageLog()[0].wParam, dialog);
    EXPECT_EQ(ids[1], WM_SIZE);
    EXPECT_EQ(MessageLog()[1].lParam, MakeLParam(300, 200));
    EXPECT_EQ(Logged(WM_SYSCOMMAND).at(0).wParam, SC_CLOSE);
    EXPECT_EQ(ids.back(), WM_CLOSE);
    EXPECT_FALSE(IsLiveWindow(dialog));
    EXPECT_EQ(TopLevelTitled("uno"), nullptr);
}

TEST_F(Dialogs, EndModalStoresTheResultAndTheHandlerSeesClose) {
    const Handle dialog = PixelDialog("dos");
    Soon([dialog] { EndModal(dialog, 42); });
    std::int32_t result = 0;
    RunModal(dialog, LoggingHandler, &result);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(LoggedIds().back(), WM_CLOSE);
}

TEST_F(Dialogs, EscapeAndEnterCloseNothing) {
    const Handle dialog = PixelDialog("tres");
    AddControl(dialog, 5, KIND_BUTTON, "Salir", 10, 10, 80, 24, 0, 0);
    bool stillOpen = false;
    Soon([&] {
        QWidget* window = TopLevelTitled("tres");
        ASSERT_NE(window, nullptr);
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
        stillOpen = IsLiveWindow(dialog) && TopLevelTitled("tres");
        EndModal(dialog, 1);
    });
    RunModal(dialog, LoggingHandler, nullptr);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(Logged(WM_COMMAND).empty()) << "Enter pressed the button";
}

TEST_F(Dialogs, ButtonClickReachesTheHandlerAsCommandWithTheControl) {
    const Handle dialog = PixelDialog("cuatro");
    AddControl(dialog, 1003, KIND_BUTTON, "Salir", 10, 10, 80, 24, 0, 0);
    const Handle button = GetControlHandle(dialog, 1003);
    ASSERT_NE(button, 0u);
    EXPECT_EQ(GetControlText(button), "Salir");
    Soon([&] {
        auto* widget = TopLevelTitled("cuatro")->findChild<QPushButton*>();
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
        EndModal(dialog, 0);
    });
    RunModal(dialog, LoggingHandler, nullptr);
    const auto commands = Logged(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LoWord(commands[0].wParam), 1003);
    EXPECT_EQ(HiWord(commands[0].wParam), BN_CLICKED);
    EXPECT_EQ(Handle(commands[0].lParam), button);
}

TEST_F(Dialogs, DigitsOnlyEditIgnoresTypedLettersButTakesPastedText) {
    const Handle dialog = NewDialog(UNITS_DIALOG, 0, "cinco", 70, 70, 160, 121, 0, WS_EX_TOPMOST);
    AddControl(dialog, 1001, KIND_EDIT, "3", 60, 20, 40, 14, 0x50812001, 0x200);
    const Handle edit = GetControlHandle(dialog, 1001);
    auto* widget = TopLevelTitled("cinco");
    EXPECT_EQ(widget, nullptr); // created hidden
    Soon([&] {
        auto* line = TopLevelTitled("cinco")->findChild<QLineEdit*>();
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, "1a2-b3");
        EXPECT_EQ(GetControlText(edit), "123");
        line->clear();
        line->insert("&H1F"); // as a paste would
        EXPECT_EQ(GetControlText(edit), "&H1F");
        SetControlText(edit, "9");
        EXPECT_EQ(line->text(), "9");
        EndModal(dialog, 0);
    });
    RunModal(dialog, LoggingHandler, nullptr);
    bool sawChange = false;
    for (const auto& m : Logged(WM_COMMAND)) {
        if (LoWord(m.wParam) == 1001 && HiWord(m.wParam) == EN_CHANGE) sawChange = true;
    }
    EXPECT_TRUE(sawChange);
}

TEST_F(Dialogs, DialogUnitsUseFixedBaseUnits) {
    const Handle dialog = NewDialog(UNITS_DIALOG, 0, "seis", 70, 70, 160, 121, 0, 0);
    AddControl(dialog, 1, KIND_STATIC, "Ancho", 8, 20, 40, 10, 0, 0);
    Soon([&] {
        QWidget* window = TopLevelTitled("seis");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->size(), QSize(240, 197)); // 160 * 6 / 4, 121 * 13 / 8
        EXPECT_EQ(window->pos(), QPoint(105, 114));  // 70 * 6 / 4, 70 * 13 / 8
        QWidget* label = window->findChild<QWidget*>("clientArea")->childAt(13, 33);
        EXPECT_NE(label, nullptr);
        EndModal(dialog, 0);
    });
    RunModal(dialog, nullptr, nullptr);
}

TEST_F(Dialogs, HandlesThatNameNothingDoNothing) {
    EXPECT_EQ(GetControlHandle(12345, 1), 0u);
    EXPECT_EQ(GetControlText(12345), "");
    SetControlText(12345, "x");
    AddControl(12345, 1, KIND_BUTTON, "x", 0, 0, 1, 1, 0, 0);
    EndModal(12345, 1);
    RunModal(12345, LoggingHandler, nullptr);
    EXPECT_EQ(SubclassControl(12345, LoggingHandler), nullptr);
    EXPECT_TRUE(MessageLog().empty());
}

// Nested runs: the inner dialog has no owner, so the outer keeps working.
Handle outerDialog = 0, innerDialog = 0;

LResult OuterHandler(Handle w, MessageId m, WParam wp, LParam lp) {
    LoggingHandler(w, m, wp, lp);
    if (m == WM_COMMAND && LoWord(wp) == 1) {
        innerDialog = PixelDialog("interior");
        RunModal(innerDialog, LoggingHandler, nullptr);
        MessageLog().push_back({w, 0xBEEF, 0, 0}); // the inner run returned
    }
    return 0;
}

TEST_F(Dialogs, RunsNestAndTheOuterWindowStaysUsable) {
    outerDialog = PixelDialog("exterior");
    AddControl(outerDialog, 1, KIND_BUTTON, "abrir", 10, 10, 80, 24, 0, 0);
    AddControl(outerDialog, 2, KIND_BUTTON, "otro", 100, 10, 80, 24, 0, 0);
    Soon([] {
        auto buttons = TopLevelTitled("exterior")->findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 2);
        QTimer::singleShot(0, [buttons] {
            QWidget* inner = TopLevelTitled("interior");
            ASSERT_NE(inner, nullptr);
            // Real input through the window system reaches the outer window.
            QWidget* other = buttons[1];
            QTest::mouseClick(other->window()->windowHandle(), Qt::LeftButton, {},
                              other->mapTo(other->window(), other->rect().center()));
            EndModal(innerDialog, 0);
            QTimer::singleShot(0, [] { EndModal(outerDialog, 0); });
        });
        buttons[0]->click(); // opens the inner run from the handler
    });
    RunModal(outerDialog, OuterHandler, nullptr);
    bool otherClicked = false;
    for (const auto& m : Logged(WM_COMMAND)) {
        if (m.window == outerDialog && LoWord(m.wParam) == 2) otherClicked = true;
    }
    EXPECT_TRUE(otherClicked);
    EXPECT_FALSE(Logged(0xBEEF).empty());
}

TEST_F(Dialogs, ClosingTheOuterWindowDuringAnInnerRunHidesItAndEndsAfterTheInner) {
    outerDialog = PixelDialog("exterior2");
    AddControl(outerDialog, 1, KIND_BUTTON, "abrir", 10, 10, 80, 24, 0, 0);
    bool outerHidden = false, innerStillUp = false;
    Soon([&] {
        QTimer::singleShot(0, [&] {
            TopLevelTitled("exterior2")->close();
            outerHidden = TopLevelTitled("exterior2") == nullptr;
            innerStillUp = TopLevelTitled("interior") != nullptr;
            QTimer::singleShot(0, [] { EndModal(innerDialog, 0); });
        });
        TopLevelTitled("exterior2")->findChild<QPushButton*>()->click();
    });
    RunModal(outerDialog, OuterHandler, nullptr);
    EXPECT_TRUE(outerHidden);
    EXPECT_TRUE(innerStillUp);
    EXPECT_FALSE(IsLiveWindow(outerDialog));
    EXPECT_FALSE(Logged(0xBEEF).empty()); // the handler finished after the inner run
}

TEST_F(Dialogs, MainWindowStyleCentresTheClientSizedWindowOnTheWorkArea) {
    const Handle dialog = NewDialog(UNITS_PIXELS, 0, "Velmora - Editor Bitmap ...", 200, 100, 1200,
                                    950, 0x94CE08D4, 0x00010000);
    Soon([&] {
        QWidget* window = TopLevelTitled("Velmora - Editor Bitmap ...");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->size(), QSize(1200, 950));
        const QRect area = window->screen()->availableGeometry();
        EXPECT_EQ(window->x(), std::max(0, area.x() + (area.width() - 1200) / 2));
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        EndModal(dialog, 0);
    });
    RunModal(dialog, nullptr, nullptr);
}

} // namespace
