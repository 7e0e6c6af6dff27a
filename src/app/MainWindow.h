#pragma once
// The main window's handler: initialisation of the editor when the window
// starts, and the menu commands afterwards.

#include "ui/Types.h"
#include "ui/dialogs/Styles.h"

#include <cstdint>

// Caption, system menu, minimise box, sizing border, centred on the work area.
constexpr std::uint32_t MAIN_WINDOW_STYLE = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION |
                                            WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                            DS_MODALFRAME | DS_CENTER | DS_SETFONT |
                                            DS_NOFAILCREATE | DS_3DLOOK;
constexpr std::uint32_t MAIN_WINDOW_EXTENDED_STYLE = WS_EX_CONTROLPARENT;

// The result of the main window's run when its canvas could not be made; a
// run the user ends gives 0.
constexpr std::int32_t MAIN_WINDOW_WITHOUT_CANVAS = 1;

// 1 while the settings command runs its dialog; a second one does nothing.
extern std::int32_t SettingsDialogOpen;

// Creates the main window, hidden, with its client area the canvas's size, and
// builds its menu bar; 0 when the window cannot be made. Start-up then runs it
// with MainWindowHandler.
Handle OpenMainWindow();

LResult MainWindowHandler(Handle window, MessageId message, WParam wParam, LParam lParam);

// What initialisation does, step by step: settings, the paper, the canvas
// and the first view. False when the paper or the canvas could not be made.
bool InitialiseMainWindow();
