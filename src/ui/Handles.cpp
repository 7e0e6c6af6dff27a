#include "ui/Handles.h"

namespace {
// Starts away from small numbers so that a stray id (a control id, a count)
// is never mistaken for a handle.
Handle nextHandle = 0x10000;
} // namespace

Handle NewHandle() {
    if (nextHandle == 0) nextHandle = 0x10000; // wrapped after four billion objects
    return nextHandle++;
}
