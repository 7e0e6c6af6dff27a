#pragma once
// Reaching the open "Configuración" dialog from a test: its window, its
// controls found where the layout puts them, real input through its QWindow,
// and a run of the dialog that a watchdog always ends.

#include "settings/SettingsDialogLayout.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/DialogWindow.h"

#include "QtAccess.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

inline QString SettingsTitle() {
    return QString::fromUtf8(SETTINGS_DIALOG_TITLE);
}

inline DialogWindow* SettingsWindow() {
    return dynamic_cast<DialogWindow*>(TopLevelTitled(SettingsTitle()));
}

// The widget of the control whose rectangle, in dialog units, starts at
// (x, y) and is width x height: the child found at its centre.
inline QWidget* ControlAt(DialogWindow* window, int x, int y, int width, int height) {
    const QPoint centre(DialogUnitsToPixelsX(2 * x + width) / 2,
                        DialogUnitsToPixelsY(2 * y + height) / 2);
    return window->clientArea()->childAt(centre);
}

inline QLineEdit* WidthFieldWidget(DialogWindow* w) {
    return qobject_cast<QLineEdit*>(ControlAt(w, 50, 30, 40, 13));
}
inline QLineEdit* HeightFieldWidget(DialogWindow* w) {
    return qobject_cast<QLineEdit*>(ControlAt(w, 50, 55, 40, 13));
}
inline QPushButton* ExitButtonWidget(DialogWindow* w) {
    return qobject_cast<QPushButton*>(ControlAt(w, 5, 100, 50, 15));
}

// A left click that goes the way real input goes: to the top-level QWindow,
// which routes it to the widget under the point.
inline void ClickThroughWindow(QWidget* widget, QPoint at = QPoint(-1, -1)) {
    if (at == QPoint(-1, -1)) at = widget->rect().center();
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(widget->window(), at));
}

// Keys typed into whatever has the focus in the widget's window.
inline void TypeThroughWindow(QWidget* window, const char* text,
                              Qt::KeyboardModifiers modifiers = {}) {
    for (const char* c = text; *c; ++c)
        QTest::keyClick(window->windowHandle(), *c, modifiers);
}

inline void ReplaceFieldText(QLineEdit* field, const char* text) {
    ClickThroughWindow(field);
    field->selectAll();
    TypeThroughWindow(field->window(), text);
}

inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

// Calls `action` once the dialog is on screen; `open` is what opens it and
// returns when it has closed. A watchdog closes the dialog if the action left
// it open (a failed assertion only leaves the action), so no test can hang.
inline void WithSettingsDialog(const std::function<void()>& open,
                               const std::function<void(DialogWindow&)>& action,
                               int timeoutMs = 5000) {
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    bool acted = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        DialogWindow* window = SettingsWindow();
        if (!acted && window) {
            acted = true;
            action(*window);
        } else if (clock.elapsed() > timeoutMs) {
            poll.stop();
            if (!acted) ADD_FAILURE() << "the settings dialog did not appear";
            if (window) {
                ADD_FAILURE() << "the settings dialog was still open; closing it";
                window->close();
            }
        }
    });
    poll.start(10);
    open();
    poll.stop();
}
