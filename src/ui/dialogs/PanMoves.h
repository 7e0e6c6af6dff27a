#pragma once
// How a graphic control shows its surface moved (a pan): the moves asked for
// in one turn of the event loop (a burst of keys) add up to one move, made
// once the turn's input has been handled. The screen's own pixels can be
// moved only while it shows the surface as last drawn; otherwise, and for a
// move as large as the control, the whole surface is painted. Moves that
// cancel out ask for nothing. The backend's control drives one of these.

class PanMoves {
  public:
    enum class Step {
        PaintWhole,   // paint the whole control now
        EndTurnLater, // the turn's first move: call TurnEnded once its input is handled
        Added,        // added to the turn's move
    };
    enum class Show { Nothing, PaintWhole, Scroll };

    // An area was asked to be painted; true when the whole control must be
    // painted instead, as a move waiting to be shown has not reached the screen.
    bool AreaAsked();
    // The control was painted: the screen shows the surface.
    void Painted() { m_paintPending = false; }

    // A move by (dx, dy) of a control that is `visible`.
    Step Moved(int dx, int dy, bool visible);

    // The turn is over: what to do with its move for a control of that size.
    // For Scroll, (*dx, *dy) is the move the screen's pixels are to make, the
    // strips it uncovers being painted at the next paint.
    Show TurnEnded(int width, int height, int* dx, int* dy);

  private:
    // An area was asked for and not painted yet: the screen lags the surface,
    // so what it shows cannot simply be moved.
    bool m_paintPending = false;
    // Moves asked for in this turn and not shown yet, in all.
    bool m_moveWaiting = false;
    int m_dx = 0;
    int m_dy = 0;
};
