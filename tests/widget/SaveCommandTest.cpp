// "Grabar": the save chooser proposes the opened file, the image is written
// at its own size, and the user is told how it went; a cancelled chooser
// writes and shows nothing.

#include "../support/EditorSession.h"
#include "WindowAnswerer.h"

#include "app/Commands.h"
#include "canvas/Rendering.h"
#include "imagefile/LoadBitmapFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::string SAVED_SEEN = "message: Programador|Grabado a bitmap ...";
const std::vector<unsigned char> OLD_CONTENT = {'B', 'M', 'o', 'l', 'd'};

std::vector<unsigned char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An editor on a 47 x 33 picture (rows need padding in the file) opened
// from "imagen.bmp", with one pixel made transparent since.
class SaveCommand : public testing::Test {
  protected:
    void SetUp() override {
        picture = RandomPicture(47, 33, 51);
        opened = session.folder().write("imagen.bmp", OLD_CONTENT);
        session.Open(47, 33, picture);
        ImageFileName = opened;
        PaintCell(5, 6, Editing().TransparentColour);
        picture[6 * 47 + 5] = Editing().TransparentColour;
    }

    WindowAnswerer Save(std::function<void(QFileDialog&)> answer) {
        WindowAnswerer answerer;
        answerer.onChooser = std::move(answer);
        answerer.Run([&] { session.Command(CmdSave); });
        return answerer;
    }

    // The file as loaded back, checked against the picture at its own size.
    testing::AssertionResult HoldsThePicture(const std::string& path) {
        const Handle loaded = LoadBitmapFile(path, 0, 0, 0);
        const SurfaceCopy copy = CopyOf(loaded);
        if (copy.width != 47 || copy.height != 33)
            return testing::AssertionFailure()
                   << path << " holds " << copy.width << " x " << copy.height;
        if (copy.pixels != picture) return testing::AssertionFailure() << path << " differs";
        return testing::AssertionSuccess();
    }

    EditorSession session;
    std::vector<Colour> picture;
    std::string opened;
};

TEST_F(SaveCommand, AcceptedProposalWritesTheImageAndSaysSo) {
    const WindowAnswerer answerer =
        Save([](QFileDialog& chooser) { static_cast<QDialog&>(chooser).accept(); });

    ASSERT_EQ(answerer.choosers.size(), 1u);
    EXPECT_EQ(answerer.choosers[0].title, "Navegador de ficheros para imagen");
    EXPECT_EQ(answerer.choosers[0].folder, session.folder().path().string());
    EXPECT_EQ(answerer.choosers[0].proposedName, "imagen.bmp");
    EXPECT_EQ(answerer.seen, (std::vector<std::string>{"chooser", SAVED_SEEN}));
    EXPECT_EQ(ImageFileName, opened);
    EXPECT_EQ(CurrentSurface(), Editing().ImageBitmap); // the save left the image as the target
    EXPECT_EQ(FileBytes(opened).size(), 54u + 33u * 144u);
    EXPECT_TRUE(HoldsThePicture(opened));
}

TEST_F(SaveCommand, FailedWriteShowsThePathAndTheReasonAndNoSuccess) {
    session.folder().write("archivo", {'x'});
    const std::string impossible = session.folder().file("archivo/salida.bmp");
    const WindowAnswerer answerer =
        Save([&](QFileDialog& chooser) { WindowAnswerer::TypeAndAccept(chooser, impossible); });

    ASSERT_EQ(answerer.seen.size(), 2u);
    const std::string prefix =
        "message: Programador|No se pudo grabar el bitmap : \n" + impossible + "\n";
    ASSERT_EQ(answerer.seen[1].substr(0, prefix.size()), prefix) << answerer.seen[1];
    const std::string reason = answerer.seen[1].substr(prefix.size());
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(reason.find('\n'), std::string::npos) << reason;
    EXPECT_EQ(ImageFileName, impossible);
    EXPECT_EQ(FileBytes(opened), OLD_CONTENT);
    EXPECT_EQ(FileBytes(session.folder().file("archivo")), std::vector<unsigned char>{'x'});
}

TEST_F(SaveCommand, CancelWritesNothingShowsNothingAndKeepsTheName) {
    const WindowAnswerer first = Save([](QFileDialog& chooser) { chooser.reject(); });
    EXPECT_EQ(first.seen, std::vector<std::string>{"chooser"});
    EXPECT_EQ(ImageFileName, opened);
    EXPECT_EQ(FileBytes(opened), OLD_CONTENT);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(session.folder().path()),
                            std::filesystem::directory_iterator()),
              1);

    // The next save proposes the same file again.
    const WindowAnswerer second = Save([](QFileDialog& chooser) { chooser.reject(); });
    ASSERT_EQ(second.choosers.size(), 1u);
    EXPECT_EQ(second.choosers[0].proposedName, "imagen.bmp");
    EXPECT_EQ(second.choosers[0].folder, session.folder().path().string());
}

TEST_F(SaveCommand, SavingTwiceProposesTheLastFileAndOverwritesItWithoutAsking) {
    const std::string chosen = session.folder().file("nuevo.bmp");
    const WindowAnswerer first =
        Save([&](QFileDialog& chooser) { WindowAnswerer::TypeAndAccept(chooser, chosen); });
    EXPECT_EQ(first.seen, (std::vector<std::string>{"chooser", SAVED_SEEN}));
    EXPECT_EQ(ImageFileName, chosen);

    PaintCell(0, 0, Editing().TransparentColour);
    picture[0] = Editing().TransparentColour;
    const WindowAnswerer second =
        Save([](QFileDialog& chooser) { static_cast<QDialog&>(chooser).accept(); });
    ASSERT_EQ(second.choosers.size(), 1u);
    EXPECT_EQ(second.choosers[0].proposedName, "nuevo.bmp");
    EXPECT_EQ(second.seen, (std::vector<std::string>{"chooser", SAVED_SEEN}));
    EXPECT_EQ(FileBytes(opened), OLD_CONTENT);
    EXPECT_TRUE(HoldsThePicture(chosen));
}

} // namespace
