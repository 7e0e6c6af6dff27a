#pragma once
// Internal to src/ui: a menu bar goes with the window it is attached to.

#include "ui/Types.h"

// Forgets the backend's bar of the dialog being destroyed, and the items that
// live in it (its commands and separators; its sub-menus outlive it), so that
// nothing reaches them again.
void ForgetMenuBarOf(Handle dialog);
