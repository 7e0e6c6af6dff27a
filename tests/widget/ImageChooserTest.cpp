// The image file chooser as the editor uses it: the open chooser at start,
// the save chooser proposing the opened file, and what a cancel keeps.

#include "imagefile/ImageFile.h"

#include "../support/TempFolder.h"
#include "DialogDriver.h"

#include <QFileDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct Seen {
    QString title, filters, directory, proposed, suffix;
    bool acceptsNewNames = false;
};

Seen Inspect(QFileDialog& chooser) {
    Seen seen;
    seen.title = chooser.windowTitle();
    seen.filters = chooser.nameFilters().join("|");
    seen.directory = chooser.directory().absolutePath();
    seen.proposed = chooser.findChild<QLineEdit*>("fileNameEdit")->text();
    seen.suffix = chooser.defaultSuffix();
    seen.acceptsNewNames = chooser.fileMode() == QFileDialog::AnyFile;
    return seen;
}

TEST(ImageChooser, OpenStartsInTheCurrentFolderAndTakesTheChosenFile) {
    TempFolder folder;
    const std::string path = folder.write("uno.bmp", {'B', 'M'});
    ImageFileName.clear();
    Seen seen;
    WhenDialogAppears<QFileDialog>([&](QFileDialog& chooser) {
        seen = Inspect(chooser);
        chooser.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path));
        static_cast<QDialog&>(chooser).accept();
    });
    EXPECT_TRUE(ChooseImageFile(0, ImageFileName, OPEN_CHOOSER));
    EXPECT_EQ(ImageFileName, path);
    EXPECT_EQ(ImageFolder, folder.file(""));
    EXPECT_EQ(seen.title, "Navegador de ficheros para imagen");
    EXPECT_EQ(seen.filters, "Imagenes (*.bmp)");
    EXPECT_EQ(seen.directory, QDir::currentPath());
    EXPECT_EQ(seen.proposed, "");
    EXPECT_EQ(seen.suffix, "bmp");
    EXPECT_FALSE(seen.acceptsNewNames);
}

TEST(ImageChooser, SaveProposesTheOpenedFileAndACancelKeepsIt) {
    TempFolder folder;
    ImageFileName = folder.write("dibujo ñ.bmp", {'B', 'M'});
    const std::string opened = ImageFileName;
    Seen seen;
    WhenDialogAppears<QFileDialog>([&](QFileDialog& chooser) {
        seen = Inspect(chooser);
        chooser.reject();
    });
    EXPECT_FALSE(ChooseImageFile(0, ImageFileName, SAVE_CHOOSER));
    EXPECT_EQ(ImageFileName, opened);
    EXPECT_EQ(ImageFolder, folder.file(""));
    EXPECT_EQ(seen.directory, QString::fromStdString(folder.path().string()));
    EXPECT_EQ(seen.proposed, "dibujo ñ.bmp");
    EXPECT_TRUE(seen.acceptsNewNames);

    // The next save chooser proposes the same file again.
    WhenDialogAppears<QFileDialog>([&](QFileDialog& chooser) {
        seen = Inspect(chooser);
        static_cast<QDialog&>(chooser).accept();
    });
    EXPECT_TRUE(ChooseImageFile(0, ImageFileName, SAVE_CHOOSER));
    EXPECT_EQ(seen.proposed, "dibujo ñ.bmp");
    EXPECT_EQ(ImageFileName, opened);
}

TEST(ImageChooser, PathPartsSplitAtTheLastSeparator) {
    EXPECT_EQ(FolderPart("/a/b/c.bmp"), "/a/b/");
    EXPECT_EQ(FileNamePart("/a/b/c.bmp"), "c.bmp");
    EXPECT_EQ(FolderPart("c.bmp"), "");
    EXPECT_EQ(FileNamePart("c.bmp"), "c.bmp");
    EXPECT_EQ(FolderPart(""), "");
}

} // namespace
