#pragma once
// The main window's menu bar and the mouse modes it selects.

#include "ui/Types.h"

#include <cstdint>

// The menu bar, once BuildMainMenu has run.
extern Handle MenuBar;

// Builds the menu tree into MenuBar and attaches it to the window without
// resizing it.
void BuildMainMenu(Handle window);

// Makes `mode` the mouse mode and puts the check mark on its item alone.
void SelectMouseMode(std::int32_t mode);
