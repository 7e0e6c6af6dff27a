#include "canvas/EditingState.h"

namespace {
EditingState state;
}

EditingState& Editing() { return state; }

void ResetEditingState() { state = EditingState{}; }
