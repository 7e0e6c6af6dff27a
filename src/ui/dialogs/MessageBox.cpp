#include "ui/dialogs/MessageBox.h"

#include "ui/Backend.h"
#include "ui/UiTexts.h"

namespace {
std::function<void(const std::string&, const std::string&)> watcher;
}

void ShowMessageBox(const std::string& utf8Text, const std::string& utf8Caption) {
    if (watcher) watcher(utf8Text, utf8Caption);
    UiBackend* backend = CurrentUiBackend();
    if (!backend) return;
    // Lines arrive joined by CR LF; a box wants bare line feeds.
    std::string text;
    for (std::size_t i = 0; i < utf8Text.size(); ++i) {
        if (utf8Text.compare(i, 2, "\r\n") == 0) continue;
        text += utf8Text[i];
    }
    backend->ShowMessageBox(text, utf8Caption.empty() ? DEFAULT_MESSAGE_CAPTION : utf8Caption);
}

void WatchMessageBoxesForTests(std::function<void(const std::string&, const std::string&)> watch) {
    watcher = std::move(watch);
}
