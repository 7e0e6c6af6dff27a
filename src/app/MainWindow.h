#pragma once
// The main window's handler: initialisation of the editor when the window
// starts, and the menu commands afterwards.

#include "ui/Types.h"

#include <cstdint>

// 1 while the settings command runs its dialog; a second one does nothing.
extern std::int32_t SettingsDialogOpen;

LResult MainWindowHandler(Handle window, MessageId message, WParam wParam, LParam lParam);

// What initialisation does, step by step: settings, off-screen bitmaps, the
// canvas and the first view.
void InitialiseMainWindow();
