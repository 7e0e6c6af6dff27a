#include "ui/dialogs/FileChooser.h"

#include "../support/TempFolder.h"
#include "DialogDriver.h"

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

FileChooserRequest ImageRequest(const std::string& folder, const std::string& proposed) {
    FileChooserRequest request;
    request.title = "Navegador de ficheros para imagen";
    request.initialFolder = folder;
    request.filterDescription = "Imagenes";
    request.filterPattern = "*.bmp";
    request.proposedFileName = proposed;
    request.defaultExtension = "bmp";
    return request;
}

void TypeAndAccept(QFileDialog& chooser, const QString& name) {
    auto* edit = chooser.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    static_cast<QDialog&>(chooser).accept();
}

} // namespace

TEST(FileChooser, ShowsTitleFilterFolderAndProposedName) {
    TempFolder folder;
    folder.write("a.bmp", {'B', 'M'});
    QString title, filter, directory, proposed, suffix;
    WhenDialogAppears<QFileDialog>([&](QFileDialog& chooser) {
        title = chooser.windowTitle();
        filter = chooser.nameFilters().join("|");
        directory = chooser.directory().absolutePath();
        proposed = chooser.findChild<QLineEdit*>("fileNameEdit")->text();
        suffix = chooser.defaultSuffix();
        chooser.reject();
    });
    const auto chosen = ChooseFile(ChooserKind::Save, ImageRequest(folder.file(""), "a.bmp"));
    EXPECT_FALSE(chosen.has_value());
    EXPECT_EQ(title, QString("Navegador de ficheros para imagen"));
    EXPECT_EQ(filter, QString("Imagenes (*.bmp)"));
    EXPECT_EQ(directory, QString::fromStdString(folder.path().string()));
    EXPECT_EQ(proposed, QString("a.bmp"));
    EXPECT_EQ(suffix, QString("bmp"));
}

TEST(FileChooser, OpenReturnsTheTypedExistingFile) {
    TempFolder folder;
    const std::string path = folder.write("imagen ñ.bmp", {'B', 'M'});
    WhenDialogAppears<QFileDialog>(
        [&](QFileDialog& chooser) { TypeAndAccept(chooser, QString::fromStdString(path)); });
    const auto chosen = ChooseFile(ChooserKind::Open, ImageRequest("", ""));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, path);
}

TEST(FileChooser, SaveAcceptsANewNameAndAddsTheExtension) {
    TempFolder folder;
    WhenDialogAppears<QFileDialog>([&](QFileDialog& chooser) {
        TypeAndAccept(chooser, QString::fromStdString(folder.file("nuevo")));
    });
    const auto chosen = ChooseFile(ChooserKind::Save, ImageRequest(folder.file(""), ""));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, folder.file("nuevo.bmp"));
}
