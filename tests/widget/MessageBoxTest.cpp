#include "ui/dialogs/MessageBox.h"

#include "DialogDriver.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

TEST(MessageBox, ShowsCaptionLinesAndOneOkButtonWithoutIcon) {
    QString title, text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Critical;
    WhenDialogAppears<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        buttons = int(box.buttons().size());
        icon = box.icon();
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(ShowMessageBox("primera : \r\nsegunda\r\nDisculpen ...", "Programador"), IDOK);
    EXPECT_EQ(title, QString("Programador"));
    EXPECT_EQ(text, QString("primera : \nsegunda\nDisculpen ..."));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

TEST(MessageBox, AnEmptyCaptionGivesTheDefaultOne) {
    QString title;
    WhenDialogAppears<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        box.accept();
    });
    ShowMessageBox("texto", "");
    EXPECT_EQ(title, QString("Error"));
}

TEST(MessageBox, LeavesOtherWindowsWorking) {
    // Input through the window system (not straight to the widget) is what a
    // modal box would block.
    QPushButton other("other");
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    int clicks = 0;
    QObject::connect(&other, &QPushButton::clicked, [&] { ++clicks; });
    WhenDialogAppears<QMessageBox>([&](QMessageBox& box) {
        QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, other.rect().center());
        box.accept();
    });
    ShowMessageBox("texto", "Programador");
    EXPECT_EQ(clicks, 1);
}
