#pragma once
// Internal to src/ui/qt: the focus GetFocusControl reports while a window is
// told that it loses its active state.

class QWidget;

void SetFocusDuringDeactivation(QWidget* widget);
