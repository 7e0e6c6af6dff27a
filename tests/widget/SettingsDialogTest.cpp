// The "Configuración" dialog on its own: what it shows, what "Salir" and a
// close request take, typing and pasting, the focus across activations and
// its font.

#include "settings/SettingsDialog.h"
#include "canvas/EditingState.h"
#include "settings/SettingsPath.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Fonts.h"

#include "../support/TempFolder.h"
#include "SettingsDialogAccess.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

class SettingsDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetEditingState();
        SavedFocus = 0;
        const std::u8string text = folder.path().u8string();
        SetSettingsFolderForTests(std::string(text.begin(), text.end()));
    }
    void TearDown() override {
        SetSettingsFolderForTests("");
        ResetEditingState();
        SavedFocus = 0;
    }
    void SetBlock(std::int16_t width, std::int16_t height) {
        Editing().BlockWidth = width;
        Editing().BlockHeight = height;
    }
    static void Open() { ShowSettingsDialog(0); }

    TempFolder folder;
};

struct ShownValues {
    std::int16_t width, height;
    const char* widthText;
    const char* heightText;
};

void PrintTo(const ShownValues& v, std::ostream* out) {
    *out << v.width << " x " << v.height;
}

class ValuesAtOpening : public SettingsDialogTest,
                        public testing::WithParamInterface<ShownValues> {};

TEST_P(ValuesAtOpening, FieldsShowPlainDecimalText) {
    const ShownValues v = GetParam();
    SetBlock(v.width, v.height);
    QString shownWidth, shownHeight;
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        ASSERT_NE(WidthFieldWidget(&w), nullptr);
        ASSERT_NE(HeightFieldWidget(&w), nullptr);
        shownWidth = WidthFieldWidget(&w)->text();
        shownHeight = HeightFieldWidget(&w)->text();
        w.close();
    });
    EXPECT_EQ(shownWidth.toStdString(), v.widthText) << "BlockWidth " << v.width;
    EXPECT_EQ(shownHeight.toStdString(), v.heightText) << "BlockHeight " << v.height;
    // Only a value below 1 taken by "Salir" becomes 3; shown values stay.
    EXPECT_EQ(Editing().BlockWidth, v.width);
    EXPECT_EQ(Editing().BlockHeight, v.height);
}

INSTANTIATE_TEST_SUITE_P(Block, ValuesAtOpening,
                         testing::Values(ShownValues{3, 12, "3", "12"},
                                         ShownValues{-5, 0, "-5", "0"},
                                         ShownValues{32767, -32768, "32767", "-32768"}));

TEST_F(SettingsDialogTest, WindowIsATopmostCaptionedDialogWithoutCloseBoxAtFixedUnits) {
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        EXPECT_EQ(w.pos(), QPoint(105, 114)); // (70, 70) units from the screen origin
        EXPECT_EQ(w.size(), QSize(240, 197)); // 160 x 121 units
        const Qt::WindowFlags flags = w.windowFlags();
        EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
        EXPECT_TRUE(flags & Qt::WindowTitleHint);
        EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
        EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        w.close();
    });
}

struct ControlSpot {
    int x, y, width, height;
    const char* text;
};

TEST_F(SettingsDialogTest, ControlsSitWhereTheLayoutPutsThemWithTheirTexts) {
    const ControlSpot labels[] = {{5, 5, 150, 15, "Tamaño de relleno en píxeles"},
                                  {5, 30, 45, 15, "Ancho"},
                                  {5, 55, 45, 15, "Alto"}};
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        for (const ControlSpot& spot : labels) {
            auto* label =
                qobject_cast<QLabel*>(ControlAt(&w, spot.x, spot.y, spot.width, spot.height));
            ASSERT_NE(label, nullptr) << spot.text;
            EXPECT_EQ(label->text(), QString::fromUtf8(spot.text));
            EXPECT_EQ(label->geometry().topLeft(),
                      QPoint(DialogUnitsToPixelsX(spot.x), DialogUnitsToPixelsY(spot.y)));
        }
        QPushButton* exit = ExitButtonWidget(&w);
        ASSERT_NE(exit, nullptr);
        EXPECT_EQ(exit->text(), "Salir");
        EXPECT_FALSE(exit->isDefault());
        for (QLineEdit* field : {WidthFieldWidget(&w), HeightFieldWidget(&w)}) {
            ASSERT_NE(field, nullptr);
            EXPECT_TRUE(field->alignment() & Qt::AlignHCenter);
            EXPECT_TRUE(field->hasFrame());
        }
        EXPECT_EQ(WidthFieldWidget(&w)->geometry(), QRect(75, 49, 60, 21));
        w.close();
    });
}

TEST_F(SettingsDialogTest, FirstFieldHasTheFocusWhenTheDialogOpens) {
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        EXPECT_TRUE(WaitFor([&] { return WidthFieldWidget(&w)->hasFocus(); }));
        w.close();
    });
}

struct ExitCase {
    const char* widthText;
    const char* heightText;
    std::int16_t width, height;
};

void PrintTo(const ExitCase& c, std::ostream* out) {
    *out << "'" << c.widthText << "' x '" << c.heightText << "'";
}

class ExitButton : public SettingsDialogTest, public testing::WithParamInterface<ExitCase> {};

// The fields are filled as a paste would (any text gets in), then "Salir" is
// clicked through the window.
TEST_P(ExitButton, TakesBothFieldsAndReplacesValuesBelowOneByThree) {
    const ExitCase c = GetParam();
    SetBlock(9, 9);
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        WidthFieldWidget(&w)->selectAll();
        WidthFieldWidget(&w)->insert(QString::fromUtf8(c.widthText));
        HeightFieldWidget(&w)->selectAll();
        HeightFieldWidget(&w)->insert(QString::fromUtf8(c.heightText));
        ClickThroughWindow(ExitButtonWidget(&w));
    });
    EXPECT_EQ(SettingsWindow(), nullptr);
    EXPECT_EQ(Editing().BlockWidth, c.width) << "width text '" << c.widthText << "'";
    EXPECT_EQ(Editing().BlockHeight, c.height) << "height text '" << c.heightText << "'";
}

INSTANTIATE_TEST_SUITE_P(Fields, ExitButton,
                         testing::Values(ExitCase{"", "7", 3, 7}, ExitCase{"0", "40000", 3, 3},
                                         ExitCase{"7", "", 7, 3}, ExitCase{"40000", "0", 3, 3},
                                         ExitCase{"3", "12", 3, 12},
                                         ExitCase{"1", "32767", 1, 32767},
                                         ExitCase{"-5", "abc", 3, 3}, ExitCase{"2.5", "3.5", 2, 4},
                                         ExitCase{"  &H1F", "7 px", 31, 7},
                                         ExitCase{"1e2", "&B101", 100, 5}));

TEST_F(SettingsDialogTest, ExitWithUnchangedFieldsKeepsTheValues) {
    SetBlock(4, 11);
    WithSettingsDialog(Open, [&](DialogWindow& w) { ClickThroughWindow(ExitButtonWidget(&w)); });
    EXPECT_EQ(Editing().BlockWidth, 4);
    EXPECT_EQ(Editing().BlockHeight, 11);
}

TEST_F(SettingsDialogTest, CloseRequestEndsTheDialogWithoutTakingTheFields) {
    SetBlock(5, -2);
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        ReplaceFieldText(WidthFieldWidget(&w), "8");
        ReplaceFieldText(HeightFieldWidget(&w), "9");
        w.close(); // the window system's close request
    });
    EXPECT_EQ(SettingsWindow(), nullptr);
    EXPECT_EQ(Editing().BlockWidth, 5);
    EXPECT_EQ(Editing().BlockHeight, -2);
}

TEST_F(SettingsDialogTest, EnterAndEscapeNeitherCloseNorTakeTheFields) {
    SetBlock(6, 6);
    bool stillOpen = false;
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        ReplaceFieldText(WidthFieldWidget(&w), "2");
        QTest::keyClick(w.windowHandle(), Qt::Key_Return);
        QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
        stillOpen = SettingsWindow() != nullptr;
        w.close();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Editing().BlockWidth, 6);
}

TEST_F(SettingsDialogTest, TypedNonDigitsAreIgnoredButPastedTextIsReadByTheNumberRule) {
    SetBlock(3, 3);
    QString typed, pasted;
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        QLineEdit* width = WidthFieldWidget(&w);
        ReplaceFieldText(width, "1a2-b.3 x");
        // Letters with Alt or AltGr held are typed characters too.
        TypeThroughWindow(&w, "e", Qt::AltModifier);
        TypeThroughWindow(&w, "q", Qt::AltModifier | Qt::ControlModifier);
        typed = width->text();

        QLineEdit* height = HeightFieldWidget(&w);
        ClickThroughWindow(height);
        height->selectAll();
        QGuiApplication::clipboard()->setText("&H1F");
        QTest::keyClick(w.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        pasted = height->text();
        ClickThroughWindow(ExitButtonWidget(&w));
    });
    EXPECT_EQ(typed.toStdString(), "123");
    EXPECT_EQ(pasted.toStdString(), "&H1F");
    EXPECT_EQ(Editing().BlockWidth, 123);
    EXPECT_EQ(Editing().BlockHeight, 31);
}

TEST_F(SettingsDialogTest, ComposedCharactersKeepOnlyTheirDigits) {
    QString text;
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        QLineEdit* width = WidthFieldWidget(&w);
        width->clear();
        width->setFocus();
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8("é4ñ2"));
        QApplication::sendEvent(width, &composed);
        text = width->text();
        w.close();
    });
    EXPECT_EQ(text.toStdString(), "42");
}

TEST_F(SettingsDialogTest, FocusLostWithActivationComesBackToTheSameField) {
    QWidget other;
    other.setWindowTitle("otra ventana");
    other.setGeometry(600, 600, 100, 100);
    other.show();
    Handle savedWhileInactive = 0, savedAfter = 1;
    bool heightFocusedAgain = false;
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        QLineEdit* height = HeightFieldWidget(&w);
        ClickThroughWindow(height);
        ASSERT_TRUE(WaitFor([&] { return height->hasFocus(); }));

        other.activateWindow();
        ASSERT_TRUE(WaitFor([&] { return !w.isActiveWindow(); }));
        savedWhileInactive = SavedFocus;
        // Another field becomes the window's focus while it is inactive; the
        // saved one still wins when the dialog is activated again.
        WidthFieldWidget(&w)->setFocus();

        w.activateWindow();
        ASSERT_TRUE(WaitFor([&] { return w.isActiveWindow(); }));
        heightFocusedAgain = WaitFor([&] { return height->hasFocus(); });
        savedAfter = SavedFocus;
        w.close();
    });
    EXPECT_NE(savedWhileInactive, 0u);
    EXPECT_TRUE(heightFocusedAgain);
    EXPECT_EQ(savedAfter, 0u);
}

TEST_F(SettingsDialogTest, SavedFocusNamesTheFieldThatHadTheFocus) {
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        const Handle heightField = GetControlHandle(w.handle(), HeightField);
        ClickThroughWindow(HeightFieldWidget(&w));
        ASSERT_TRUE(WaitFor([&] { return HeightFieldWidget(&w)->hasFocus(); }));
        SettingsDialogProc(w.handle(), WM_NCACTIVATE, 0, 0);
        EXPECT_EQ(SavedFocus, heightField);
        ClickThroughWindow(WidthFieldWidget(&w));
        SettingsDialogProc(w.handle(), WM_NCACTIVATE, 1, 0);
        EXPECT_TRUE(HeightFieldWidget(&w)->hasFocus());
        EXPECT_EQ(SavedFocus, 0u);
        w.close();
    });
}

TEST_F(SettingsDialogTest, ASavedFocusLeftFromAClosedDialogIsDroppedAtTheNextOpening) {
    QWidget other;
    other.setWindowTitle("otra ventana 2");
    other.show();
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        ClickThroughWindow(HeightFieldWidget(&w));
        other.activateWindow();
        ASSERT_TRUE(WaitFor([&] { return !w.isActiveWindow(); }));
        w.close(); // closed while inactive: the saved focus names a gone control
    });
    EXPECT_NE(SavedFocus, 0u);
    bool firstFieldFocused = false;
    WithSettingsDialog(Open, [&](DialogWindow& w) {
        firstFieldFocused = WaitFor([&] { return WidthFieldWidget(&w)->hasFocus(); });
        w.close();
    });
    EXPECT_TRUE(firstFieldFocused);
    EXPECT_EQ(SavedFocus, 0u);
}

TEST_F(SettingsDialogTest, EachRunMakesItsBoldFontAndReleasesItAfterwards) {
    for (int run = 0; run < 2; ++run) {
        // Font numbers are handed out in order: the dialog's is the next one.
        const std::int32_t dialogFont = NewFont("probe", 8, 0, 0, 0, 0) + 1;
        bool madeDuringRun = false;
        WithSettingsDialog(Open, [&](DialogWindow& w) {
            madeDuringRun = FontIsMade(dialogFont);
            const QWidget* controls[] = {ControlAt(&w, 5, 5, 150, 15), ControlAt(&w, 5, 30, 45, 15),
                                         WidthFieldWidget(&w),         ControlAt(&w, 5, 55, 45, 15),
                                         HeightFieldWidget(&w),        ExitButtonWidget(&w)};
            for (const QWidget* c : controls) {
                ASSERT_NE(c, nullptr);
                EXPECT_EQ(c->font().family(), "MS Sans Serif");
                EXPECT_EQ(c->font().pixelSize(), 13); // 10 points at 96 dots per inch
                EXPECT_EQ(c->font().weight(), QFont::Bold);
                EXPECT_FALSE(c->font().italic() || c->font().underline() || c->font().strikeOut());
            }
            w.close();
        });
        EXPECT_TRUE(madeDuringRun) << "run " << run;
        EXPECT_FALSE(FontIsMade(dialogFont)) << "run " << run;
    }
}

} // namespace
