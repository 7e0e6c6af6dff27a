#include "app/MainWindow.h"

#include "app/Commands.h"
#include "app/FileCommands.h"
#include "app/MainMenu.h"
#include "app/Texts.h"
#include "canvas/EditingState.h"
#include "canvas/Paper.h"
#include "canvas/Rendering.h"
#include "settings/BlockSizeSettings.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsFile.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"

std::int32_t SettingsDialogOpen = 0;

namespace {

void SettingsCommand() {
    if (SettingsDialogOpen != 0) return;
    SettingsDialogOpen = 1;
    ShowSettingsDialog(0);
    BlockSizeSettings(SETTINGS_ACTION_SAVE);
    SettingsDialogOpen = 0;
}

void DispatchCommand(std::uint32_t id) {
    switch (id) {
    case CmdSettings: SettingsCommand(); break;
    case CmdModeRealColourBlock: SelectMouseMode(EditRealColourBlock); break;
    case CmdModeTransparentBlock: SelectMouseMode(EditTransparentBlock); break;
    case CmdModePan: SelectMouseMode(MovePaper); break;
    case CmdModeTransparent: SelectMouseMode(EditTransparent); break;
    case CmdModeRealColour: SelectMouseMode(EditRealColour); break;
    case CmdSave: SaveCommand(); break;
    case CmdAbout: AboutCommand(); break;
    default: break; // the canvas's own notifications among them
    }
}

} // namespace

bool InitialiseMainWindow() {
    EditingState& state = Editing();
    BlockSizeSettings(SETTINGS_ACTION_GET);
    state.DragItems.assign(2, DragItem{});

    // White until CreateCanvas puts the image's squares on it.
    state.ZoomBitmap = NewPaperSurface();

    state.DragItems[PAPER_ITEM] = DragItem{0, 0, ZOOM_SIZE, ZOOM_SIZE, 0};
    if (state.ZoomBitmap == 0 || !CreateCanvas(state.ImageWidth, state.ImageHeight)) return false;
    RefreshCanvas();

    state.TransparentColour = TRANSPARENT_KEY_COLOUR;
    state.ButtonDown = 0;
    return true;
}

Handle OpenMainWindow() {
    EditingState& state = Editing();
    state.MainWindow = NewDialog(UNITS_PIXELS, 0, MAIN_WINDOW_TITLE, 200, 100, VIEW_WIDTH,
                                 VIEW_HEIGHT, MAIN_WINDOW_STYLE, MAIN_WINDOW_EXTENDED_STYLE);
    BuildMainMenu(state.MainWindow);
    return state.MainWindow;
}

LResult MainWindowHandler(Handle window, MessageId message, WParam wParam, LParam) {
    if (message == WM_INITDIALOG) {
        // Without its canvas the editor can show nothing: the run ends before
        // the window is shown.
        if (!InitialiseMainWindow()) EndModal(window, MAIN_WINDOW_WITHOUT_CANVAS);
    } else if (message == WM_COMMAND) {
        DispatchCommand(LoWord(wParam));
    }
    return 0;
}
