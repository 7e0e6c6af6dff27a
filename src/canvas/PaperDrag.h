#pragma once
// Dragging the paper with the left button in "Mover papel" mode: the hit test
// of DragItems on the press, the paper following the pointer one to one, and
// the end of the drag.

#include "canvas/EditingState.h"

// The paper's item of DragItems (its X and Y are the view offset), or nullptr
// before the main window has placed it.
DragItem* PaperItem();

// The item ActiveItem names, or nullptr when it names none that exists.
DragItem* ActiveDragItem();

// Hit test of items 0 and 1 at the canvas point (x, y), both edges of each
// item included; the last item hit becomes ActiveItem, and none hit leaves it
// as it was. A hit on an item that is not already being dragged starts its
// drag under the cross-hair pointer. Moves and refreshes nothing.
void StartPaperDrag(int x, int y);

// While the active item is being dragged: it moves by the pointer's movement
// since the last step, with no limit, and the canvas is refreshed.
void FollowPaperDrag(int x, int y);

// Ends the drag of item `item`, when it exists; ActiveItem becomes 0 and the
// pointer the arrow.
void EndPaperDrag(int item);
