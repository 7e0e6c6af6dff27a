#include "ui/Handles.h"

#include <unordered_set>

namespace {

// Starts away from small numbers so that a stray id (a control id, a count)
// is never mistaken for a handle.
constexpr Handle FIRST_HANDLE = 0x10000;

Handle nextHandle = FIRST_HANDLE;

// Every handle handed out and not released. It takes memory only for objects
// the services keep, which take far more themselves, so it can never fill
// the 32-bit range and the search below always ends.
std::unordered_set<Handle> inUse;

} // namespace

Handle NewHandle() {
    // After four billion objects the count wraps round to handles that may
    // still be in use.
    while (nextHandle < FIRST_HANDLE || inUse.contains(nextHandle)) {
        nextHandle = nextHandle < FIRST_HANDLE ? FIRST_HANDLE : nextHandle + 1;
    }
    inUse.insert(nextHandle);
    return nextHandle++;
}

void ReleaseHandle(Handle handle) {
    inUse.erase(handle);
}

void SetNextHandleForTests(Handle next) {
    nextHandle = next;
}
