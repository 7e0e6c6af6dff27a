#include "ui/dialogs/PanMoves.h"

#include <cstdlib>

bool PanMoves::AreaAsked() {
    m_paintPending = true;
    return m_moveWaiting;
}

PanMoves::Step PanMoves::Moved(int dx, int dy, bool visible) {
    if (m_paintPending || !visible) return Step::PaintWhole;
    Step step = Step::Added;
    if (!m_moveWaiting) {
        m_moveWaiting = true;
        m_dx = m_dy = 0;
        step = Step::EndTurnLater;
    }
    m_dx += dx;
    m_dy += dy;
    return step;
}

PanMoves::Show PanMoves::TurnEnded(int width, int height, int* dx, int* dy) {
    m_moveWaiting = false;
    // A paint of the whole surface is due anyway, or the moves cancel out.
    if (m_paintPending || (m_dx == 0 && m_dy == 0)) return Show::Nothing;
    if (std::abs(m_dx) >= width || std::abs(m_dy) >= height) return Show::PaintWhole;
    m_paintPending = true;
    *dx = m_dx;
    *dy = m_dy;
    return Show::Scroll;
}
