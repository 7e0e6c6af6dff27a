// The main window's handler without any dialog: what initialisation leaves
// behind, the mouse modes with their check marks, and the messages it leaves
// alone.

#include "../support/EditorSession.h"

#include "app/Commands.h"
#include "ui/dialogs/Menus.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

struct ModeItem {
    std::uint32_t command;
    std::int32_t mode;
    const char* text;
};

constexpr std::array<ModeItem, 5> MODE_ITEMS{{
    {CmdModePan, MovePaper, "Mover papel"},
    {CmdModeTransparent, EditTransparent, "Editar Transparencia "},
    {CmdModeTransparentBlock, EditTransparentBlock, "Editar Transparencia Multiple"},
    {CmdModeRealColour, EditRealColour, "Editar Color Real "},
    {CmdModeRealColourBlock, EditRealColourBlock, "Editar Color Real Multiple"},
}};

void PrintTo(const ModeItem& item, std::ostream* out) {
    *out << "'" << item.text << "'";
}

// "Only <text> checked", or which items are checked and which are not.
std::string CheckMarks() {
    std::string marks;
    for (const ModeItem& item : MODE_ITEMS) {
        const std::uint32_t state = GetMenuItemState(MenuBar, item.command);
        marks += std::string(item.text) + (state == MFS_CHECKED ? ": checked; "
                                           : state == 0         ? ": -; "
                                                                : ": ?; ");
    }
    return marks;
}

std::string OnlyChecked(const char* text) {
    std::string marks;
    for (const ModeItem& item : MODE_ITEMS)
        marks +=
            std::string(item.text) + (std::string(item.text) == text ? ": checked; " : ": -; ");
    return marks;
}

class MainWindowState : public testing::Test {
  protected:
    void OpenSmallImage() { session.Open(4, 3, RandomPicture(4, 3, 31)); }
    EditorSession session;
};

TEST_F(MainWindowState, InitialisationSetsUpEveryPartOfTheState) {
    session.folder().write("Configuracion.ini",
                           {'[',  'M',  'u', 'l', 't', 'i', 'p', 'l',  'e', ']',
                            '\r', '\n', 'a', 'n', 'c', 'h', 'o', '=',  '5', '\r',
                            '\n', 'a',  'l', 't', 'o', '=', '7', '\r', '\n'});
    Editing().ButtonDown = 1;
    OpenSmallImage();
    const EditingState& state = Editing();

    EXPECT_EQ(state.BlockWidth, 5);
    EXPECT_EQ(state.BlockHeight, 7);
    ASSERT_EQ(state.DragItems.size(), 2u);
    const DragItem& none = state.DragItems[0];
    EXPECT_TRUE(none.X == 0 && none.Y == 0 && none.Width == 0 && none.Height == 0 &&
                none.Dragging == 0);
    const DragItem& paper = state.DragItems[PAPER_ITEM];
    EXPECT_TRUE(paper.X == 0 && paper.Y == 0 && paper.Width == 5000 && paper.Height == 5000 &&
                paper.Dragging == 0);

    int width = 0, height = 0;
    ASSERT_NE(SurfacePixels(state.ZoomBitmap, &width, &height), nullptr);
    EXPECT_EQ(width, 5000);
    EXPECT_EQ(height, 5000);
    ASSERT_NE(SurfacePixels(state.ViewBitmap, &width, &height), nullptr);
    EXPECT_EQ(width, 1200);
    EXPECT_EQ(height, 950);
    ASSERT_NE(session.Canvas(), 0u);
    ASSERT_NE(SurfacePixels(session.Canvas(), &width, &height), nullptr);
    EXPECT_EQ(width, 1198);
    EXPECT_EQ(height, 948);
    EXPECT_NE(state.OldCanvasProc, nullptr);

    EXPECT_EQ(state.TransparentColour, 0xFF00FFu);
    EXPECT_EQ(state.ButtonDown, 0);
    EXPECT_EQ(state.MouseMode, MovePaper);
}

TEST_F(MainWindowState, MissingSettingsFileGivesBlocksOfThree) {
    OpenSmallImage();
    EXPECT_EQ(Editing().BlockWidth, 3);
    EXPECT_EQ(Editing().BlockHeight, 3);
}

TEST_F(MainWindowState, AtStartOnlyMovePaperIsChecked) {
    OpenSmallImage();
    EXPECT_EQ(CheckMarks(), OnlyChecked("Mover papel"));
    EXPECT_EQ(Editing().MouseMode, MovePaper);
}

class ModeCommand : public MainWindowState, public testing::WithParamInterface<ModeItem> {};

TEST_P(ModeCommand, SetsTheModeAndMovesTheCheckMarkToItsItemAlone) {
    const ModeItem item = GetParam();
    OpenSmallImage();
    // Start from another mode, so that every command has a mark to move.
    session.Command(item.command == CmdModeRealColour ? CmdModeTransparent : CmdModeRealColour);

    session.Command(item.command);
    EXPECT_EQ(Editing().MouseMode, item.mode) << item.text;
    EXPECT_EQ(CheckMarks(), OnlyChecked(item.text));

    session.Command(item.command); // the current mode again
    EXPECT_EQ(Editing().MouseMode, item.mode) << item.text;
    EXPECT_EQ(CheckMarks(), OnlyChecked(item.text));
}

INSTANTIATE_TEST_SUITE_P(AllModes, ModeCommand, testing::ValuesIn(MODE_ITEMS),
                         [](const testing::TestParamInfo<ModeItem>& info) {
                             return "Mode" + std::to_string(info.param.mode);
                         });

TEST_F(MainWindowState, OnlyTheLowWordOfACommandCounts) {
    OpenSmallImage();
    MainWindowHandler(Editing().MainWindow, WM_COMMAND, MakeWParam(CmdModeRealColourBlock, 1),
                      12345);
    EXPECT_EQ(Editing().MouseMode, EditRealColourBlock);
    EXPECT_EQ(CheckMarks(), OnlyChecked("Editar Color Real Multiple"));
}

TEST_F(MainWindowState, HandlerReturnsZeroForEveryMessage) {
    OpenSmallImage();
    const Handle window = Editing().MainWindow;
    EXPECT_EQ(MainWindowHandler(window, WM_COMMAND, CmdModeTransparent, 0), 0);
    EXPECT_EQ(MainWindowHandler(window, WM_SIZE, SIZE_RESTORED, MakeLParam(1200, 930)), 0);
    EXPECT_EQ(MainWindowHandler(window, WM_COMMAND, CanvasControlId, 0), 0);
}

// Resizing, minimising, closing and anything else the handler does not take
// leave the picture and the state as they were.
TEST_F(MainWindowState, OtherMessagesChangeNothing) {
    OpenSmallImage();
    session.Command(CmdModeTransparentBlock);
    const SurfaceCopy canvas = CopyOf(session.Canvas());
    const SurfaceCopy paper = CopyOf(Editing().ZoomBitmap);
    const Handle window = Editing().MainWindow;

    MainWindowHandler(window, WM_SIZE, SIZE_MINIMIZED, 0);
    MainWindowHandler(window, WM_SIZE, SIZE_RESTORED, MakeLParam(700, 400));
    MainWindowHandler(window, WM_SIZE, SIZE_MAXIMIZED, MakeLParam(1920, 1000));
    MainWindowHandler(window, WM_CLOSE, 0, 0);
    MainWindowHandler(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    MainWindowHandler(window, WM_KEYDOWN, VK_RIGHT, 1);
    MainWindowHandler(window, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(50, 50));

    EXPECT_TRUE(CopyOf(session.Canvas()) == canvas);
    EXPECT_TRUE(CopyOf(Editing().ZoomBitmap) == paper);
    EXPECT_EQ(Editing().MouseMode, EditTransparentBlock);
    EXPECT_EQ(CheckMarks(), OnlyChecked("Editar Transparencia Multiple"));
    EXPECT_EQ(Editing().DragItems[PAPER_ITEM].X, 0);
    EXPECT_EQ(Editing().ButtonDown, 0);
}

} // namespace
