#include "canvas/CanvasInput.h"

#include "canvas/CanvasKeys.h"
#include "canvas/EditingState.h"
#include "canvas/EditingTools.h"
#include "canvas/PaperDrag.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"

namespace {

bool IsEditingMode(std::int32_t mode) {
    return mode >= EditTransparent && mode <= EditRealColourBlock;
}

bool StrokeOrDragUnderWay() {
    const DragItem* active = ActiveDragItem();
    return Editing().ButtonDown != 0 || (active != nullptr && active->Dragging != 0);
}

void LeftButtonPressed(Handle canvas, int x, int y) {
    EditingState& state = Editing();
    if (IsEditingMode(state.MouseMode)) {
        state.ButtonDown = 1; // wherever the pointer is, even off the image
        ApplyToolAt(canvas, x, y);
    } else if (state.MouseMode == MovePaper) {
        StartPaperDrag(x, y);
    }
}

void LeftButtonReleased() {
    EditingState& state = Editing();
    if (IsEditingMode(state.MouseMode)) {
        state.ButtonDown = 0;
        EndPaperDrag(state.ActiveItem);
    } else if (state.MouseMode == MovePaper) {
        EndPaperDrag(PAPER_ITEM);
    }
}

void PointerMoved(Handle canvas, WParam keys, int x, int y) {
    // The canvas holds the pointer from a left press to its release, so a move
    // without the left button means the release went elsewhere (another
    // window took the pointer): the stroke or drag ends here, as the release
    // would have ended it, rather than go on with no button held.
    if ((keys & MK_LBUTTON) == 0) {
        if (StrokeOrDragUnderWay()) LeftButtonReleased();
        return;
    }
    const EditingState& state = Editing();
    if (IsEditingMode(state.MouseMode)) {
        if (state.ButtonDown == 1) ApplyToolAt(canvas, x, y);
    } else if (state.MouseMode == MovePaper) {
        FollowPaperDrag(x, y);
    }
}

} // namespace

LResult CanvasProc(Handle window, MessageId message, WParam wParam, LParam lParam) {
    switch (message) {
    case WM_KEYDOWN:
        MovePaperByKey(LoWord(wParam));
        break;
    case WM_MOUSEWHEEL:
        MovePaperByWheel(WheelDeltaFromWParam(wParam));
        break;
    case WM_MOUSEMOVE:
        PointerMoved(window, wParam, XFromLParam(lParam), YFromLParam(lParam));
        break;
    case WM_LBUTTONUP:
        LeftButtonReleased();
        break;
    case WM_LBUTTONDOWN:
        LeftButtonPressed(window, XFromLParam(lParam), YFromLParam(lParam));
        break;
    default:
        break;
    }
    // Never consumed: the control keeps its own behaviour (the focus on a click).
    return CallWindowProc(Editing().OldCanvasProc, window, message, wParam, lParam);
}
