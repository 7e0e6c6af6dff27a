#pragma once
// One source of handles for every kind of object the services keep (dialogs,
// controls, menus, surfaces), so that no two live objects ever share a handle.

#include "ui/Types.h"

// A handle that names no object still kept; never 0. Handles are handed out in
// turn; once the count has wrapped round, every handle not yet released is
// passed over.
Handle NewHandle();

// Gives back a handle whose object is gone, so that it may be handed out again.
void ReleaseHandle(Handle handle);

// Makes `next` the next candidate handle (0 counts as the first), so that a
// test can reach the wrap-round.
void SetNextHandleForTests(Handle next);
