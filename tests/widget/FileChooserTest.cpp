// Qt's own file chooser does not speak English whatever the system's language, and
// its detail view shows every column whole.

#include "ui/dialogs/FileChooser.h"

#include "../support/TempFolder.h"
#include "WidgetTesting.h"

// The width a tree view needs for a column's texts, which it keeps to itself.
struct ColumnWidths : QTreeView {
    using QTreeView::sizeHintForColumn;
};

// Once a file's size shows in the Spanish way, each column is as wide as its
// texts; its labels and buttons (with their tips) are read then.
TEST(FileChooser, SpeaksSpanishAndShowsWholeColumns) {
    TempFolder folder;
    std::filesystem::resize_file(folder.place("una imagen de nombre largo.bmp", ""), 750000);
    QStringList texts;
    const auto read = [&](QWidget& w) {
        auto* view = w.findChild<QTreeView*>("treeView");
        EXPECT_TRUE(QTest::qWaitFor([&] {
            bool whole = view->model()->index(0, 1, view->rootIndex()).data() == "732,42 KiB";
            for (int column = 0; column < 4; ++column)
                whole &=
                    view->columnWidth(column) >= (view->*&ColumnWidths::sizeHintForColumn)(column);
            return whole;
        }));
        for (const QLabel* label : w.findChildren<QLabel*>())
            texts << label->text();
        for (const QAbstractButton* button : w.findChildren<QAbstractButton*>())
            texts << button->text() + button->toolTip();
        static_cast<QDialog&>(w).reject();
    };
    Answering(read, [&] { ChooseFile(ChooserKind::Open, {"", folder.file(""), "", "", "", ""}); });
    // The words are the translators'; English ones would mean their catalogue is not used.
    for (const char* english : {"Look in:", "&File name:", "Files of type:", "Back", "&Open", "Cancel"})
        EXPECT_FALSE(texts.contains(english)) << english;
    EXPECT_GE(texts.size(), 6);
}
