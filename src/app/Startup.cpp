#include "app/Startup.h"

#include "app/MainWindow.h"
#include "app/Texts.h"
#include "canvas/EditingState.h"
#include "imagefile/ImageFile.h"
#include "imagefile/LoadBitmapFile.h"
#include "imagefile/SizeProbe.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/MessageBox.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void ShowRefusal(const std::string& firstLine, const std::string& secondLine) {
    ShowMessageBox(firstLine + LINE_BREAK + secondLine + LINE_BREAK + APOLOGY_LINE,
                   MESSAGE_CAPTION);
}

// The editor could not be put on the screen: no box can be relied on then.
int Failed(const char* reason) {
    std::fprintf(stderr, "%s\n", reason);
    return EXIT_FAILURE;
}

} // namespace

int RunStartup() {
    EditingState& state = Editing();
    state.MouseMode = MovePaper;
    if (!ChooseImageFile(ImageFileName, OPEN_CHOOSER) || ImageFileName.empty()) return 0;

    const ProbeResult probe = ProbeImageFile(ImageFileName);
    if (probe.admission == Admission::TooLarge) {
        ShowRefusal(TOO_LARGE_LINE_1, TOO_LARGE_LINE_2);
        return 0;
    }
    if (probe.admission == Admission::Unreadable) {
        ShowRefusal(UNREADABLE_LINE_1, ImageFileName);
        return 0;
    }
    state.ImageWidth = probe.width;
    state.ImageHeight = probe.height;

    state.ImageBitmap = LoadBitmapFile(ImageFileName, state.ImageWidth, state.ImageHeight);
    if (state.ImageBitmap == 0) {
        ShowRefusal(UNREADABLE_LINE_1, ImageFileName);
        return 0;
    }

    const Handle window = OpenMainWindow();
    if (window == 0) return Failed(NO_MAIN_WINDOW_ERROR);
    std::int32_t ended = 0;
    RunModal(window, MainWindowHandler, &ended);
    if (ended == MAIN_WINDOW_WITHOUT_CANVAS) return Failed(NO_CANVAS_ERROR);
    return 0;
}
