#pragma once
// The "Configuración" dialog, where the block size of the block tools is set.

#include "ui/Types.h"

#include <cstdint>

// The control of the dialog that had the keyboard focus when the dialog last
// lost its active state; 0 when none is pending.
extern Handle SavedFocus;

// Builds and runs the dialog; returns when it has been ended, with its end
// code (always 0). The caller stores the settings afterwards.
std::int32_t ShowSettingsDialog(Handle owner);

LResult SettingsDialogProc(Handle dialog, MessageId message, WParam wParam, LParam lParam);
