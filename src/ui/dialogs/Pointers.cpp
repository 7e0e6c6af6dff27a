#include "ui/dialogs/Pointers.h"

#include "ui/dialogs/PointerTarget.h"
#include "ui/dialogs/Styles.h"

#include <QPointer>
#include <QWidget>

#include <optional>

namespace {

QPointer<QWidget> pointerWidget;
std::int32_t lastShape = POINTER_ARROW;

std::optional<Qt::CursorShape> CursorFor(std::int32_t shape) {
    switch (shape) {
    case POINTER_NONE: return Qt::BlankCursor;
    case POINTER_ARROW:
    case POINTER_ARROW_TOO: return Qt::ArrowCursor;
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
    default: return std::nullopt; // a pointer handle: the program has none
    }
}

} // namespace

void NotePointerWidget(QWidget* widget) { pointerWidget = widget; }

void SetMousePointer(std::int32_t shape) {
    const std::optional<Qt::CursorShape> cursor = CursorFor(shape);
    if (!cursor) return;
    lastShape = shape;
    if (pointerWidget) pointerWidget->setCursor(*cursor);
}

std::int32_t CurrentMousePointer() { return lastShape; }
