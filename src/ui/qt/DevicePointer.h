#pragma once
// Where the pointer lies in a widget, to a fraction of a logical pixel.
// Internal to src/ui/qt.
//
// On a scaled screen one logical pixel spans several device pixels, and the
// canvas pixel a device pixel shows is the one it lies in. Qt's X11 platform
// rounds pointer positions to whole logical pixels, which gives the last
// device pixels of a cell to the next one; the X server still knows the
// device pixel.

#include <QPointF>

class QWidget;

// The pointer's position in `widget`, in logical pixels: the device position
// asked of the window system when the screen is scaled and the pointer still
// lies where the event says (`reported`, as Qt gave it); `reported` otherwise.
QPointF PointerPositionIn(const QWidget& widget, QPointF reported);
