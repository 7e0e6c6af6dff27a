#pragma once
// Reaching the Qt widgets behind handles, for tests only.

#include "ui/Types.h"

#include <QApplication>
#include <QWidget>

// The visible top-level window with that title, or nullptr.
inline QWidget* TopLevelTitled(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == title) return w;
    }
    return nullptr;
}
