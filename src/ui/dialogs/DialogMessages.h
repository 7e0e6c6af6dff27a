#pragma once
// Delivering a message to a dialog: its handler first, then, when the handler
// returns 0, the default handling. Internal to src/ui.

#include "ui/Types.h"

LResult SendDialogMessage(Handle dialog, MessageId message, WParam wParam, LParam lParam);

// A control's message goes to the control's current window procedure.
LResult SendControlMessage(Handle control, MessageId message, WParam wParam, LParam lParam);

// WM_COMMAND from a control to its dialog.
void NotifyDialog(Handle control, std::uint16_t code);

// The window procedure every control starts with.
LResult DefaultControlProc(Handle window, MessageId message, WParam wParam, LParam lParam);
