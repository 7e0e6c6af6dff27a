#pragma once
// The widget whose pointer SetMousePointer sets: the one that last received
// mouse input. Internal to src/ui/qt.

class QWidget;

void NotePointerWidget(QWidget* widget);
