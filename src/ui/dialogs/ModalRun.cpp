// RunModal and EndModal: a dialog's life from shown to ended. Each run waits
// in a local event loop of its own (an idle editor uses no processor time),
// so runs nest, and ending one run quits only its own loop.

#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/DialogWindow.h"
#include "ui/dialogs/Registry.h"
#include "ui/dialogs/Styles.h"

#include <QEventLoop>

namespace {

void EnableOwner(Handle owner, bool enabled) {
    if (DialogRecord* record = FindDialog(owner); record && record->window) {
        record->window->setEnabled(enabled);
    }
}

WParam SizeType(std::uint32_t style) {
    if (style & WS_MAXIMIZE) return SIZE_MAXIMIZED;
    if (style & WS_MINIMIZE) return SIZE_MINIMIZED;
    return SIZE_RESTORED;
}

void Show(DialogWindow* window, std::uint32_t style) {
    if (style & WS_MAXIMIZE) window->showMaximized();
    else if (style & WS_MINIMIZE) window->showMinimized();
    else window->show();
    window->raise();
    window->activateWindow();
}

// Forgets the dialog and destroys its window. Only called where no handler
// of the dialog can be on the stack.
void Destroy(Handle dialog) {
    DialogRecord* record = FindDialogRecord(dialog);
    if (!record) return;
    DialogWindow* window = record->window;
    RemoveDialogRecords(dialog);
    delete window;
}

void GiveFocusBack(Handle owner) {
    if (DialogRecord* record = FindDialog(owner); record && record->window) {
        record->window->activateWindow();
    }
}

} // namespace

void RunModal(Handle dialog, WindowProc handler, std::int32_t* result) {
    DialogRecord* record = FindDialog(dialog);
    if (!record || record->running || !record->window) return;
    record->running = true;
    record->result = result;

    if (handler) {
        const QSize client = record->window->clientArea()->size();
        handler(dialog, WM_INITDIALOG, dialog, 0);
        handler(dialog, WM_SIZE, SizeType(record->style),
                MakeLParam(client.width(), client.height()));
    }
    // The handler may have ended the dialog already; then it is never shown.
    if ((record = FindDialog(dialog))) {
        record->handler = handler;
        if (record->owner) EnableOwner(record->owner, false);
        QEventLoop loop;
        record->loop = &loop;
        Show(record->window, record->style);
        loop.exec();
    }

    // The run is over and nothing of this dialog is on the stack above here.
    record = FindDialogRecord(dialog);
    const Handle owner = record ? record->owner : 0;
    Destroy(dialog);
    if (owner) GiveFocusBack(owner);
}

void EndModal(Handle dialog, std::int32_t result) {
    DialogRecord* record = FindDialog(dialog);
    if (!record || record->ending) return;
    record->ending = true;
    if (record->result) *record->result = result;
    if (record->handler) record->handler(dialog, WM_CLOSE, 0, 0);

    record = FindDialogRecord(dialog);
    if (!record) return;
    record->ended = true;
    if (record->owner) EnableOwner(record->owner, true);
    if (record->window) record->window->hide();
    if (!record->running) {
        Destroy(dialog);
    } else if (record->loop) {
        record->loop->quit();
    }
}
