#include "ui/qt/EventTranslation.h"

#include <QWheelEvent>

#include <algorithm>
#include <cmath>

WParam VirtualKeyFromQtKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return WParam('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return WParam('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return WParam(VK_F1 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    default: return 0;
    }
}

WParam MouseKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WParam state = 0;
    if (buttons & Qt::LeftButton) state |= MK_LBUTTON;
    if (buttons & Qt::RightButton) state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) state |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) state |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) state |= MK_CONTROL;
    return state;
}

LParam PackPosition(QPointF position) {
    // On a scaled screen a device pixel lies at a fractional position: it
    // belongs to the canvas pixel it lies in, so the position is floored, not
    // rounded (rounding gives the last device pixels of a cell to the next
    // one). Clamped before packing so a far-away point keeps its sign.
    const int x = int(std::clamp(std::floor(position.x()), -32768.0, 32767.0));
    const int y = int(std::clamp(std::floor(position.y()), -32768.0, 32767.0));
    return MakeLParam(x, y);
}

std::optional<WParam> WheelWParam(const QWheelEvent& event) {
    // With Alt held Qt reports a vertical notch as horizontal: the notch is
    // taken from whichever axis carries it, as every notch steps the view.
    const QPoint angle = event.angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    if (delta == 0) return std::nullopt;
    const int clamped = std::clamp(delta, -32768, 32767);
    return MakeWParam(int(MouseKeyState(event.buttons(), event.modifiers())), clamped);
}
