// The Qt backend's mouse pointer: the shape over the widget that last
// received mouse input.

#include "ui/qt/QtBackend.h"

#include "ui/dialogs/Styles.h"
#include "ui/qt/PointerTarget.h"

#include <QPointer>
#include <QWidget>

namespace {

QPointer<QWidget> pointerWidget;

Qt::CursorShape CursorFor(std::int32_t shape) {
    switch (shape) {
    case POINTER_NONE: return Qt::BlankCursor;
    case POINTER_CROSS: return Qt::CrossCursor;
    case POINTER_IBEAM: return Qt::IBeamCursor;
    case POINTER_SIZE_ALL: return Qt::SizeAllCursor;
    case POINTER_SIZE_NESW: return Qt::SizeBDiagCursor;
    case POINTER_SIZE_NS: return Qt::SizeVerCursor;
    case POINTER_SIZE_NWSE: return Qt::SizeFDiagCursor;
    case POINTER_SIZE_WE: return Qt::SizeHorCursor;
    case POINTER_UP_ARROW: return Qt::UpArrowCursor;
    case POINTER_WAIT: return Qt::WaitCursor;
    case POINTER_NO: return Qt::ForbiddenCursor;
    case POINTER_APP_STARTING: return Qt::BusyCursor;
    default: return Qt::ArrowCursor; // POINTER_ARROW, POINTER_ARROW_TOO
    }
}

} // namespace

void NotePointerWidget(QWidget* widget) { pointerWidget = widget; }

void QtBackend::SetPointerShape(std::int32_t shape) {
    if (pointerWidget) pointerWidget->setCursor(CursorFor(shape));
}
