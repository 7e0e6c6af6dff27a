#pragma once
// The one table from Qt's input events to the messages the handlers read:
// virtual-key codes, mouse-key state bits, packed positions and the wheel.
// Internal to src/ui/qt.

#include "ui/Messages.h"

#include <QPointF>
#include <Qt>

#include <optional>

class QKeyEvent;
class QWheelEvent;

// The virtual-key code of a Qt key, or 0 for a key the program has no code for.
WParam VirtualKeyFromQtKey(int qtKey);

// MK_* bits for wParam of the mouse messages.
WParam MouseKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// x and y, floored to whole pixels, as signed 16-bit values in the low and
// high words.
LParam PackPosition(QPointF position);

// wParam of WM_MOUSEWHEEL: the key state in the low word and the signed delta
// (120 per notch, positive away from the user) in the high word, from
// whichever axis carries it; nothing for a pixel-only wheel event.
std::optional<WParam> WheelWParam(const QWheelEvent& event);
