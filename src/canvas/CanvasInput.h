#pragma once
// The canvas's window procedure: keys, the wheel and the left button become
// changes of the editing state, and every message then goes on to the
// control's own procedure.

#include "ui/Types.h"

LResult CanvasProc(Handle window, MessageId message, WParam wParam, LParam lParam);
