#include "ui/dialogs/VisibleArea.h"

#include "ui/dialogs/DialogWindow.h"
#include "ui/dialogs/Registry.h"

ClientRect VisibleClientArea(Handle control) {
    const ControlRecord* record = FindControl(control);
    if (!record || !record->widget) return {};
    const DialogRecord* dialog = FindDialog(record->dialog);
    if (!dialog || !dialog->window) return {};
    const QWidget* widget = record->widget;
    const QWidget* area = dialog->window->clientArea();
    // The control's client rectangle (inside its border) in the dialog's
    // client area, cut to it. Taken from the control itself rather than from
    // the widget inside the border, which a hidden window has not placed yet.
    const QRect client = widget->contentsRect();
    const QPoint origin = widget->mapTo(area, client.topLeft());
    const QRect shown = QRect(origin, client.size()).intersected(area->rect());
    if (shown.isEmpty()) return {};
    const QRect local = shown.translated(-origin);
    return ClientRect{local.left(), local.top(), local.right() + 1, local.bottom() + 1};
}
