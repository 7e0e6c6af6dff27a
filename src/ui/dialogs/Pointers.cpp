#include "ui/dialogs/Pointers.h"

#include "ui/Backend.h"
#include "ui/dialogs/Styles.h"

namespace {
std::int32_t lastShape = POINTER_ARROW;
}

void SetMousePointer(std::int32_t shape) {
    // Any other value would be a pointer handle, and the program makes none.
    if (shape < POINTER_NONE || shape > POINTER_APP_STARTING) return;
    lastShape = shape;
    if (UiBackend* backend = CurrentUiBackend()) backend->SetPointerShape(shape);
}

std::int32_t CurrentMousePointer() { return lastShape; }
