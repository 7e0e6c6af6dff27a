#include "ui/qt/GraphicControl.h"

#include "ui/dialogs/DialogMessages.h"
#include "ui/graphics/Surfaces.h"
#include "ui/qt/DevicePointer.h"
#include "ui/qt/EventTranslation.h"
#include "ui/qt/PointerTarget.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegion>


GraphicClient::GraphicClient(Handle control, QWidget* parent)
    : QWidget(parent), m_control(control) {
    setMouseTracking(true); // WM_MOUSEMOVE arrives with no button held too
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool GraphicClient::event(QEvent* event) {
    // The control wants all keys: Tab is a key like any other here.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void GraphicClient::showArea(const QRect& area) {
    // A move waiting to be shown has not reached the screen: all of it is due.
    update(m_pan.AreaAsked() ? rect() : area);
}

void GraphicClient::showMoved(int dx, int dy) {
    switch (m_pan.Moved(dx, dy, isVisible())) {
    case PanMoves::Step::PaintWhole: showArea(rect()); break;
    case PanMoves::Step::EndTurnLater:
        QMetaObject::invokeMethod(
            this, [this] { showWaitingMove(); }, Qt::QueuedConnection);
        break;
    case PanMoves::Step::Added: break;
    }
}

void GraphicClient::showWaitingMove() {
    int dx = 0, dy = 0;
    switch (m_pan.TurnEnded(width(), height(), &dx, &dy)) {
    case PanMoves::Show::Nothing: break;
    case PanMoves::Show::PaintWhole: showArea(rect()); break;
    // Qt paints the uncovered strips at the next paint.
    case PanMoves::Show::Scroll: scroll(dx, dy); break;
    }
}

void GraphicClient::paintEvent(QPaintEvent* event) {
    m_pan.Painted();
    int width = 0, height = 0;
    const std::uint32_t* pixels = SurfaceScreenPixels(m_control, &width, &height);
    QPainter painter(this);
    const QRect surfaceArea = pixels ? QRect(0, 0, width, height) : QRect();
    const QRect shown = event->rect() & surfaceArea;
    // Whatever the surface does not cover (it always covers a canvas's
    // client area) is white.
    for (const QRect& uncovered : QRegion(event->rect()).subtracted(shown)) {
        painter.fillRect(uncovered, Qt::white);
    }
    if (shown.isEmpty()) return;
    // The surface's buffer is already in the backing store's layout: drawn
    // straight from it, with no copy in between, the paint is a plain copy of
    // the shown rows.
    const QImage surface(reinterpret_cast<const uchar*>(pixels), width, height,
                         qsizetype(width) * qsizetype(sizeof(std::uint32_t)), QImage::Format_RGB32);
    painter.drawImage(shown, surface, shown);
}

void GraphicClient::mousePressEvent(QMouseEvent* event) {
    NotePointerWidget(this);
    if (event->button() != Qt::LeftButton) return;
    SendControlMessage(m_control, WM_LBUTTONDOWN,
                       MouseKeyState(event->buttons(), event->modifiers()),
                       PackPosition(PointerPositionIn(*this, event->position())));
}

void GraphicClient::mouseMoveEvent(QMouseEvent* event) {
    NotePointerWidget(this);
    SendControlMessage(m_control, WM_MOUSEMOVE, MouseKeyState(event->buttons(), event->modifiers()),
                       PackPosition(PointerPositionIn(*this, event->position())));
}

void GraphicClient::mouseReleaseEvent(QMouseEvent* event) {
    NotePointerWidget(this);
    if (event->button() != Qt::LeftButton) return;
    SendControlMessage(m_control, WM_LBUTTONUP, MouseKeyState(event->buttons(), event->modifiers()),
                       PackPosition(PointerPositionIn(*this, event->position())));
}

void GraphicClient::wheelEvent(QWheelEvent* event) {
    const std::optional<WParam> wParam = WheelWParam(*event);
    if (!wParam) return;
    event->accept();
    SendControlMessage(m_control, WM_MOUSEWHEEL, *wParam,
                       PackPosition(PointerPositionIn(*this, event->position())));
}

void GraphicClient::keyPressEvent(QKeyEvent* event) {
    const WParam key = VirtualKeyFromQtKey(event->key());
    if (key == 0) return;
    // lParam: a repeat count of 1, and bit 30 set for an auto-repeated key.
    const LParam lParam = LParam(1u | (event->isAutoRepeat() ? (1u << 30) : 0u));
    SendControlMessage(m_control, WM_KEYDOWN, key, lParam);
}

GraphicControl::GraphicControl(Handle control, bool bordered, QWidget* parent)
    : QFrame(parent), m_client(new GraphicClient(control, this)), m_border(bordered ? 1 : 0) {
    if (bordered) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    setFocusProxy(m_client);
}

void GraphicControl::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    m_client->setGeometry(m_border, m_border, std::max(0, width() - 2 * m_border),
                          std::max(0, height() - 2 * m_border));
}
