#include "app/FileCommands.h"

#include "app/Texts.h"
#include "canvas/EditingState.h"
#include "imagefile/BitmapWriter.h"
#include "imagefile/ImageFile.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/graphics/Surfaces.h"

#include <string>

void SaveCommand() {
    if (!ChooseImageFile(ImageFileName, SAVE_CHOOSER) || ImageFileName.empty()) return;
    AttachSurface(Editing().ImageBitmap, 0, false);
    const WriteResult result = WriteBitmapFile(ImageFileName);
    switch (result.outcome) {
    case WriteOutcome::Written: ShowMessageBox(SAVED_MESSAGE, MESSAGE_CAPTION); break;
    case WriteOutcome::Failed:
        ShowMessageBox(std::string(SAVE_FAILED_LINE_1) + LINE_BREAK + ImageFileName + LINE_BREAK +
                           result.reason,
                       MESSAGE_CAPTION);
        break;
    case WriteOutcome::NothingDone: break;
    }
}

void AboutCommand() {
    ShowMessageBox(std::string(ABOUT_LINE_1) + LINE_BREAK + MAKER_WEB_ADDRESS + LINE_BREAK +
                       LINE_BREAK + ABOUT_LINE_4,
                   MESSAGE_CAPTION);
}
