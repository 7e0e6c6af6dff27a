#pragma once
// One source of handles for every kind of object the services keep (dialogs,
// controls, menus, surfaces), so that no two objects ever share a handle.

#include "ui/Types.h"

// A handle never handed out before; never 0.
Handle NewHandle();
