#include "app/Startup.h"

#include "app/MainWindow.h"
#include "app/Texts.h"
#include "canvas/EditingState.h"
#include "imagefile/ImageFile.h"
#include "imagefile/LoadBitmapFile.h"
#include "imagefile/SizeProbe.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/MessageBox.h"

#include <string>

namespace {

void ShowRefusal(const std::string& firstLine, const std::string& secondLine) {
    ShowMessageBox(firstLine + LINE_BREAK + secondLine + LINE_BREAK + APOLOGY_LINE,
                   MESSAGE_CAPTION);
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

    RunModal(OpenMainWindow(), MainWindowHandler, nullptr);
    return 0;
}
