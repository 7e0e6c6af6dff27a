#include "ui/dialogs/VisibleArea.h"

#include "ui/Backend.h"
#include "ui/dialogs/Registry.h"

#include <algorithm>

ClientRect VisibleClientArea(Handle control) {
    UiBackend* backend = CurrentUiBackend();
    const ControlRecord* record = FindControl(control);
    if (!backend || !record || !record->widget) return {};
    const DialogRecord* dialog = FindDialog(record->dialog);
    if (!dialog || !dialog->window) return {};
    // The control's client rectangle (inside its border) in the dialog's
    // client area, cut to it, then moved back to the control's coordinates.
    const BackendRect client = backend->ControlClientArea(record->widget);
    const BackendRect area = backend->DialogClientSize(dialog->window);
    const int left = std::max(client.x, 0), top = std::max(client.y, 0);
    const int right = std::min(client.x + client.width, area.width);
    const int bottom = std::min(client.y + client.height, area.height);
    if (right <= left || bottom <= top) return {};
    return ClientRect{left - client.x, top - client.y, right - client.x, bottom - client.y};
}
