#include "ui/dialogs/FileChooser.h"

#include "ui/Backend.h"

std::optional<std::string> ChooseFile(ChooserKind kind, const FileChooserRequest& request) {
    UiBackend* backend = CurrentUiBackend();
    if (!backend) return std::nullopt;
    const std::string filter = request.filterDescription + " (" + request.filterPattern + ")";
    return backend->ChooseFile(kind, request, filter);
}
