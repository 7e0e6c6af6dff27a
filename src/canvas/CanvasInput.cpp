#include "canvas/CanvasInput.h"

#include "canvas/EditingState.h"
#include "ui/dialogs/Dialogs.h"

LResult CanvasProc(Handle window, MessageId message, WParam wParam, LParam lParam) {
    return CallWindowProc(Editing().OldCanvasProc, window, message, wParam, lParam);
}
