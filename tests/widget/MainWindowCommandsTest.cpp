// The main window's command dispatch, with the windows the commands open
// answered as a user would: every command id, ids that name no command, the
// author's note and the guard around the settings window.

#include "../support/EditorSession.h"
#include "WindowAnswerer.h"

#include "app/Commands.h"
#include "ui/dialogs/Menus.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

const std::string ABOUT_SEEN =
    "message: Programador|Creado por : \nhttps://velmora.example/\n\nVisítame !!";

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct DispatchCase {
    const char* name;
    std::uint32_t id;
    std::vector<std::string> seen; // the windows the command opens
    std::int32_t mode;             // the mouse mode afterwards (the start mode is 0)
};

void PrintTo(const DispatchCase& c, std::ostream* out) {
    *out << c.name;
}

class CommandDispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(CommandDispatch, RunsTheCommandOfTheIdAndNothingElse) {
    const DispatchCase c = GetParam();
    EditorSession session;
    session.Open(6, 4, RandomPicture(6, 4, 41));
    ImageFileName = session.folder().file("imagen.bmp");
    const SurfaceCopy canvas = CopyOf(session.Canvas());

    WindowAnswerer answerer;
    answerer.Run([&] { session.Command(c.id); });

    EXPECT_EQ(answerer.seen, c.seen) << c.name;
    EXPECT_EQ(Editing().MouseMode, c.mode) << c.name;
    EXPECT_TRUE(CopyOf(session.Canvas()) == canvas) << c.name;
    EXPECT_EQ(ImageFileName, session.folder().file("imagen.bmp")) << c.name;
    EXPECT_FALSE(std::filesystem::exists(session.folder().path() / "imagen.bmp")) << c.name;
    EXPECT_EQ(SettingsDialogOpen, 0) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryId, CommandDispatch,
    testing::Values(
        DispatchCase{"Save", CmdSave, {"chooser"}, MovePaper},
        DispatchCase{"About", CmdAbout, {ABOUT_SEEN}, MovePaper},
        DispatchCase{"Settings", CmdSettings, {"settings"}, MovePaper},
        DispatchCase{"Pan", CmdModePan, {}, MovePaper},
        DispatchCase{"Transparent", CmdModeTransparent, {}, EditTransparent},
        DispatchCase{"RealColour", CmdModeRealColour, {}, EditRealColour},
        DispatchCase{"TransparentBlock", CmdModeTransparentBlock, {}, EditTransparentBlock},
        DispatchCase{"RealColourBlock", CmdModeRealColourBlock, {}, EditRealColourBlock},
        DispatchCase{"CanvasNotification", CanvasControlId, {}, MovePaper},
        DispatchCase{"Zero", 0, {}, MovePaper}, DispatchCase{"BelowTheRange", 19003, {}, MovePaper},
        DispatchCase{"AboveTheRange", 19012, {}, MovePaper}),
    [](const testing::TestParamInfo<DispatchCase>& info) { return std::string(info.param.name); });

TEST(SettingsCommand, SecondRequestWhileTheWindowIsOpenDoesNothing) {
    EditorSession session;
    session.Open(6, 4, RandomPicture(6, 4, 42));
    std::int32_t flagWhileOpen = -1;
    std::size_t windowsAfterSecondRequest = 0;
    std::int32_t modeWhileOpen = -1;

    WindowAnswerer answerer;
    answerer.onSettings = [&](QWidget& window) {
        flagWhileOpen = SettingsDialogOpen;
        session.Command(CmdSettings); // returns at once: the guard is up
        windowsAfterSecondRequest = VisibleSettingsWindows().size();
        session.Command(CmdModeRealColour); // other commands still work meanwhile
        modeWhileOpen = Editing().MouseMode;
        const auto fields = window.findChildren<QLineEdit*>();
        if (fields.size() == 2) fields[0]->setText(QStringLiteral("6"));
        PressExit(window);
    };
    answerer.Run([&] { session.Command(CmdSettings); });

    EXPECT_EQ(answerer.seen, std::vector<std::string>{"settings"});
    EXPECT_EQ(flagWhileOpen, 1);
    EXPECT_EQ(windowsAfterSecondRequest, 1u);
    EXPECT_EQ(modeWhileOpen, EditRealColour);
    EXPECT_EQ(SettingsDialogOpen, 0);
    EXPECT_EQ(Editing().BlockWidth, 6);
    EXPECT_EQ(Editing().BlockHeight, 3);
    // Closing the window stored the settings.
    const std::string stored = FileText(session.folder().file("Configuracion.ini"));
    EXPECT_NE(stored.find("ancho= 6"), std::string::npos) << stored;
    EXPECT_NE(stored.find("alto= 3"), std::string::npos) << stored;

    // Once closed, the command opens the window again.
    WindowAnswerer again;
    again.Run([&] { session.Command(CmdSettings); });
    EXPECT_EQ(again.seen, std::vector<std::string>{"settings"});
}

TEST(AboutCommand, ShowsTheAuthorsNoteWhateverTheMode) {
    EditorSession session;
    session.Open(6, 4, RandomPicture(6, 4, 43));
    session.Command(CmdModeTransparentBlock);
    WindowAnswerer answerer;
    answerer.Run([&] { session.Command(CmdAbout); });
    EXPECT_EQ(answerer.seen, std::vector<std::string>{ABOUT_SEEN});
    EXPECT_EQ(Editing().MouseMode, EditTransparentBlock);
    EXPECT_EQ(GetMenuItemState(MenuBar, CmdModeTransparentBlock), MFS_CHECKED);
}

} // namespace
