#pragma once
// The Qt window of one dialog: a plain top-level widget (not QDialog, so
// Escape and Enter close nothing), with an optional menu bar at the top of
// its client area and a client widget below it that holds the controls.
// Internal to src/ui/qt.

#include "ui/Types.h"

#include <QWidget>

class QMenuBar;

class DialogWindow : public QWidget {
  public:
    explicit DialogWindow(Handle handle);

    Handle handle() const { return m_handle; }

    // The area the controls live in: the window less the menu bar.
    QWidget* clientArea() const { return m_client; }

    // Puts the bar at the top; the window keeps its size, so the client area
    // loses the bar's height.
    void setMenuBar(QMenuBar* bar);
    QMenuBar* menuBar() const { return m_menuBar; }

    // Sets the window's client size and lays out the bar and client area now
    // (a hidden widget gets no resize event until it is shown).
    void setClientSize(QSize size);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeChildren();

    Handle m_handle;
    QWidget* m_client;
    QMenuBar* m_menuBar = nullptr;
};
