#pragma once
// Moving the paper with the keyboard and the mouse wheel. Every key that acts
// and every wheel message ends in one RefreshCanvas.

#include "ui/Types.h"

// WM_KEYDOWN: the arrow keys step one pixel square, Page Up and Page Down 100
// pixels vertically, End shows the last image row at the top and Home goes
// back to the paper's top-left corner. Other keys do nothing.
void MovePaperByKey(WParam virtualKey);

// WM_MOUSEWHEEL: 15 pixels vertically per message, whatever the size of the
// delta; a positive delta (away from the user) moves the paper down.
void MovePaperByWheel(int wheelDelta);
