#pragma once
// Brings up the editor's main window as start-up does, without showing it:
// the window services on Qt's offscreen platform, a picture of the test's own
// in ImageBitmap, the main window with its menu bar, and the initialisation
// message. Every session starts from the program's state at process start
// and keeps its settings file in a folder of its own.

#include "Offscreen.h"
#include "TempFolder.h"

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "canvas/EditingState.h"
#include "imagefile/ImageFile.h"
#include "settings/SettingsPath.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/graphics/Surfaces.h"

#include <cstdint>
#include <random>
#include <vector>

// width x height random colours, row-major. None is black, so a grid line
// can never pass for a cell's colour.
inline std::vector<Colour> RandomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Colour> pixels(std::size_t(width) * std::size_t(height));
    for (Colour& c : pixels) {
        c = random() & 0xFFFFFF;
        if (c == 0) c = 0x010203;
    }
    return pixels;
}

class EditorSession {
  public:
    EditorSession() {
        StartOffscreenServices();
        Reset();
        SetSettingsFolderForTests(m_folder.file(""));
    }
    ~EditorSession() {
        if (Editing().MainWindow != 0) EndModal(Editing().MainWindow, 0);
        Reset();
        SetSettingsFolderForTests("");
    }
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    // Start-up's part (the image loaded, the window made with its menu) and
    // the modal run's first message.
    void Open(int width, int height, const std::vector<Colour>& pixels) {
        EditingState& state = Editing();
        state.MouseMode = MovePaper;
        state.ImageWidth = width;
        state.ImageHeight = height;
        state.ImageBitmap = NewBitmapSurfaceFrom(width, height, pixels.data());
        OpenMainWindow();
        MainWindowHandler(state.MainWindow, WM_INITDIALOG, state.MainWindow, 0);
    }

    // A menu command as the menu sends it: the id in the low word, lParam 0.
    void Command(std::uint32_t id) const {
        MainWindowHandler(Editing().MainWindow, WM_COMMAND, MakeWParam(int(id), 0), 0);
    }

    Handle Canvas() const { return GetControlHandle(Editing().MainWindow, CanvasControlId); }

    const TempFolder& folder() const { return m_folder; }

  private:
    static void Reset() {
        MenuBar = 0;
        ResetSurfacesForTests();
        ResetEditingState();
        ImageFileName.clear();
        SettingsDialogOpen = 0;
    }

    TempFolder m_folder;
};

