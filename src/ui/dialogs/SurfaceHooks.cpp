#include "ui/dialogs/SurfaceHooks.h"

#include "ui/Backend.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Registry.h"
#include "ui/graphics/Surfaces.h"

namespace {

Handle FindControlForSurface(Handle owner, int controlId) {
    return GetControlHandle(owner, controlId);
}

void PresentSurfaceArea(Handle control, int left, int top, int right, int bottom) {
    UiBackend* backend = CurrentUiBackend();
    const ControlRecord* record = FindControl(control);
    if (!backend || !record || !record->widget || right <= left || bottom <= top) return;
    // The buffer holds the new pixels already; the backend merges the areas
    // asked for and paints them once per turn of its event loop, so a burst of
    // input costs one paint, and the last paint always shows the last state.
    backend->PresentArea(record->widget, BackendRect{left, top, right - left, bottom - top});
}

void ShowSurfaceMoved(Handle control, int dx, int dy) {
    UiBackend* backend = CurrentUiBackend();
    const ControlRecord* record = FindControl(control);
    if (backend && record && record->widget) backend->ShowMoved(record->widget, dx, dy);
}

} // namespace

void ConnectSurfacesToControls() {
    SetControlFinder(FindControlForSurface);
    SetSurfacePresenter(PresentSurfaceArea);
    SetSurfaceMover(ShowSurfaceMoved);
}
