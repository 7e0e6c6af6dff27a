// RunModal and EndModal: a dialog's life from shown to ended. Each run waits
// in a local event loop of its own (an idle editor uses no processor time),
// so runs nest, and ending one run quits only its own loop.

#include "ui/Backend.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/MenuBars.h"
#include "ui/dialogs/Registry.h"
#include "ui/dialogs/Styles.h"

namespace {

void EnableOwner(UiBackend& backend, Handle owner, bool enabled) {
    if (DialogRecord* record = FindDialog(owner); record && record->window) {
        backend.EnableDialogWindow(record->window, enabled);
    }
}

WParam SizeType(std::uint32_t style) {
    if (style & WS_MAXIMIZE) return SIZE_MAXIMIZED;
    if (style & WS_MINIMIZE) return SIZE_MINIMIZED;
    return SIZE_RESTORED;
}

// Forgets the dialog and destroys its window. Only called where no handler
// of the dialog can be on the stack.
void Destroy(UiBackend& backend, Handle dialog) {
    DialogRecord* record = FindDialogRecord(dialog);
    if (!record) return;
    void* window = record->window;
    RemoveDialogRecords(dialog);
    // The window takes its menu bar with it.
    ForgetMenuBarOf(dialog);
    if (window) backend.DestroyDialogWindow(window);
}

void GiveFocusBack(UiBackend& backend, Handle owner) {
    if (DialogRecord* record = FindDialog(owner); record && record->window) {
        backend.ActivateDialogWindow(record->window);
    }
}

} // namespace

void RunModal(Handle dialog, WindowProc handler, std::int32_t* result) {
    UiBackend* backend = CurrentUiBackend();
    DialogRecord* record = FindDialog(dialog);
    if (!backend || !record || record->running || !record->window) return;
    record->running = true;
    record->result = result;

    if (handler) {
        const BackendRect client = backend->DialogClientSize(record->window);
        handler(dialog, WM_INITDIALOG, dialog, 0);
        handler(dialog, WM_SIZE, SizeType(record->style),
                MakeLParam(client.width, client.height));
    }
    // The handler may have ended the dialog already; then it is never shown.
    if ((record = FindDialog(dialog))) {
        record->handler = handler;
        if (record->owner) EnableOwner(*backend, record->owner, false);
        backend->ShowDialogWindow(record->window, record->style);
        // A message sent while showing may have ended the run already; a
        // loop started then would wait for a quit that has come and gone.
        // The record stays at its address while the run waits: records are
        // removed only below, once the run is over.
        if ((record = FindDialog(dialog))) backend->RunLocalLoop(&record->loop);
    }

    // The run is over and nothing of this dialog is on the stack above here.
    record = FindDialogRecord(dialog);
    const Handle owner = record ? record->owner : 0;
    Destroy(*backend, dialog);
    if (owner) GiveFocusBack(*backend, owner);
}

void EndModal(Handle dialog, std::int32_t result) {
    UiBackend* backend = CurrentUiBackend();
    DialogRecord* record = FindDialog(dialog);
    if (!backend || !record || record->ending) return;
    record->ending = true;
    if (record->result) *record->result = result;
    if (record->handler) record->handler(dialog, WM_CLOSE, 0, 0);

    record = FindDialogRecord(dialog);
    if (!record) return;
    record->ended = true;
    if (record->owner) EnableOwner(*backend, record->owner, true);
    if (record->window) backend->HideDialogWindow(record->window);
    if (!record->running) {
        Destroy(*backend, dialog);
    } else if (record->loop) {
        backend->QuitLocalLoop(record->loop);
    }
}
