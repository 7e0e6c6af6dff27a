#include "app/Startup.h"

#include "app/Texts.h"
#include "imagefile/SizeProbe.h"
#include "ui/dialogs/FileChooser.h"
#include "ui/dialogs/MessageBox.h"

#include <string>

namespace {

void ShowRefusal(const std::string& firstLine, const std::string& secondLine) {
    ShowMessageBox(firstLine + LINE_BREAK + secondLine + LINE_BREAK + APOLOGY_LINE,
                   MESSAGE_CAPTION);
}

} // namespace

int RunStartup() {
    FileChooserRequest request;
    request.title = CHOOSER_TITLE;
    request.filterDescription = CHOOSER_FILTER_NAME;
    request.filterPattern = CHOOSER_FILTER_PATTERN;
    request.defaultExtension = CHOOSER_DEFAULT_EXTENSION;
    const std::optional<std::string> chosen = ChooseFile(ChooserKind::Open, request);
    if (!chosen || chosen->empty()) return 0;

    const ProbeResult probe = ProbeImageFile(*chosen);
    switch (probe.admission) {
    case Admission::TooLarge:
        ShowRefusal(TOO_LARGE_LINE_1, TOO_LARGE_LINE_2);
        return 0;
    case Admission::Unreadable:
        ShowRefusal(UNREADABLE_LINE_1, *chosen);
        return 0;
    case Admission::Admitted:
        break;
    }
    // The admitted image is loaded and edited in the main window.
    return 0;
}
