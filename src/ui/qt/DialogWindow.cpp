#include "ui/qt/DialogWindow.h"

#include "ui/Messages.h"
#include "ui/dialogs/DialogMessages.h"
#include "ui/dialogs/Registry.h"
#include "ui/qt/FocusTracking.h"

#include <QCloseEvent>
#include <QMenuBar>

DialogWindow::DialogWindow(Handle handle) : m_handle(handle), m_client(new QWidget(this)) {
    m_client->setObjectName(QStringLiteral("clientArea"));
}

void DialogWindow::setMenuBar(QMenuBar* bar) {
    if (m_menuBar == bar) return;
    if (m_menuBar) m_menuBar->hide();
    m_menuBar = bar;
    if (bar) {
        bar->setParent(this);
        bar->setNativeMenuBar(false);
        bar->show();
    }
    placeChildren();
}

void DialogWindow::setClientSize(QSize size) {
    resize(size);
    placeChildren();
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The window system's close request becomes the close command; its
    // default handling ends the run. The widget itself is never closed here.
    event->ignore();
    SendDialogMessage(m_handle, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DialogWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        // While the window loses its active state, the keyboard focus still
        // counts as being on its control, whatever Qt has moved already.
        if (!active) SetFocusDuringDeactivation(focusWidget());
        SendDialogMessage(m_handle, WM_NCACTIVATE, active ? 1 : 0, 0);
        SetFocusDuringDeactivation(nullptr);
    }
    QWidget::changeEvent(event);
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
    placeChildren();
    QWidget::resizeEvent(event);
    const DialogRecord* record = FindDialog(m_handle);
    if (record && record->running) {
        const WParam type = isMinimized() ? SIZE_MINIMIZED : isMaximized() ? SIZE_MAXIMIZED
                                                                           : SIZE_RESTORED;
        SendDialogMessage(m_handle, WM_SIZE, type,
                          MakeLParam(m_client->width(), m_client->height()));
    }
}

void DialogWindow::placeChildren() {
    const int barHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    if (m_menuBar) m_menuBar->setGeometry(0, 0, width(), barHeight);
    m_client->setGeometry(0, barHeight, width(), std::max(0, height() - barHeight));
}
