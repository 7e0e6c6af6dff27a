#pragma once
// The graphic control: a drawing surface on screen. The outer frame draws the
// optional one-pixel border; the client widget inside it shows the surface
// pixel for pixel and turns Qt's input into messages for the control's window
// procedure, with positions in client coordinates. Internal to src/ui/qt.

#include "ui/Types.h"
#include "ui/dialogs/PanMoves.h"

#include <QFrame>
#include <QWidget>

class GraphicClient : public QWidget {
  public:
    GraphicClient(Handle control, QWidget* parent);

    // Asks for that area to be painted from the surface at the next paint.
    void showArea(const QRect& area);
    // Shows the whole surface, whose pixels are those shown last moved by
    // (dx, dy): when the screen is up to date, Qt moves what it shows (in the
    // window system, for a pan of the shown window) and paints only what the
    // move uncovers; otherwise the whole surface is painted.
    void showMoved(int dx, int dy);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

  private:
    Handle m_control;
    PanMoves m_pan;
    void showWaitingMove();
};

class GraphicControl : public QFrame {
  public:
    GraphicControl(Handle control, bool bordered, QWidget* parent);
    GraphicClient* client() const { return m_client; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    GraphicClient* m_client;
    int m_border;
};
