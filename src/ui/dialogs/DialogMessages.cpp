#include "ui/dialogs/DialogMessages.h"

#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Registry.h"

namespace {

void DefaultDialogHandling(Handle dialog, MessageId message, WParam wParam) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) EndModal(dialog, 0);
}

} // namespace

LResult SendDialogMessage(Handle dialog, MessageId message, WParam wParam, LParam lParam) {
    const DialogRecord* record = FindDialog(dialog);
    if (!record) return 0;
    LResult result = 0;
    if (record->handler) result = record->handler(dialog, message, wParam, lParam);
    if (result == 0) DefaultDialogHandling(dialog, message, wParam);
    return result;
}

LResult SendControlMessage(Handle control, MessageId message, WParam wParam, LParam lParam) {
    const ControlRecord* record = FindControl(control);
    if (!record || !record->procedure) return 0;
    return record->procedure(control, message, wParam, lParam);
}

void NotifyDialog(Handle control, std::uint16_t code) {
    const ControlRecord* record = FindControl(control);
    if (!record) return;
    SendDialogMessage(record->dialog, WM_COMMAND, MakeWParam(record->id, code), LParam(control));
}
