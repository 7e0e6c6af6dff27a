#pragma once
// The graphic control on Windows: a window of its own class that paints its
// drawing surface pixel for pixel and turns the mouse and the keys into
// messages for the control's window procedure, in client coordinates.
// Internal to src/ui/win32.

#include "ui/Backend.h"
#include "ui/win32/WindowsApi.h"

// The state a graphic window keeps, made before the window and handed to
// CreateWindowExW; the window deletes it when it is destroyed.
void* NewGraphicState(Handle control);
void DeleteGraphicState(void* state);

// Paints that area from the surface at the next paint.
void ShowGraphicArea(HWND window, const BackendRect& area);
// Shows the surface moved by (dx, dy) since it was last shown (PanMoves).
void ShowGraphicMoved(HWND window, int dx, int dy);
// Shows the moves of the turn that has just ended: called by the event loop
// once it has handled all the input waiting. Moves are merged there rather
// than in a posted message, which would overtake input already queued.
void EndPanTurns();

// The pointer's shape over the graphic control that last had the pointer.
void SetGraphicPointer(HCURSOR cursor);

// A wheel notch the dialog window got (it had the focus) goes to the graphic
// control under the pointer, as on every other platform; false if none is.
bool SendWheelToPointedGraphic(UINT message, WPARAM wParam, LPARAM lParam);
