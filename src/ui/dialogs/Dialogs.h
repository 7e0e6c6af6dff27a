#pragma once
// Dialogs, their controls and modal runs. A dialog is a top-level window
// built from code; its handler sees every message first, and a result of 0
// lets the default handling follow. Handles that name nothing give 0, empty
// text or no effect.

#include "ui/Types.h"

#include <cstdint>
#include <string>

// Creates a hidden dialog and returns its handle (0 on failure). In pixels,
// width and height are the client area's; x or y equal to CENTRED (or the
// DS_CENTER style) centres the window on the work area.
Handle NewDialog(std::int32_t units, Handle owner, const std::string& title, std::int32_t x,
                 std::int32_t y, std::int32_t width, std::int32_t height, std::uint32_t style,
                 std::uint32_t extendedStyle);

// Adds a control of the given kind, in the dialog's units. Style 0 takes the
// kind's default.
void AddControl(Handle dialog, std::int32_t id, std::int32_t kind, const std::string& text,
                std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                std::uint32_t style, std::uint32_t extendedStyle);

Handle GetControlHandle(Handle dialog, std::int32_t id);
std::string GetControlText(Handle window);
void SetControlText(Handle window, const std::string& text);

// Shows the dialog and handles its messages until it is ended. The handler
// receives WM_INITDIALOG and then WM_SIZE before the dialog is visible.
// Runs nest; a dialog with no owner disables no other window.
void RunModal(Handle dialog, WindowProc handler, std::int32_t* result);

// Stores the result, sends WM_CLOSE to the handler and ends the dialog.
void EndModal(Handle dialog, std::int32_t result);

// Replaces a control's window procedure and returns the one it had (nullptr
// for a handle that names no control). Call the returned one with
// CallWindowProc to keep the control's own behaviour.
WindowProc SubclassControl(Handle control, WindowProc procedure);
// <windows.h> makes CallWindowProc a macro naming its own function: it must
// not rename this declaration. Code that includes both reaches this one only
// with that macro undefined.
#pragma push_macro("CallWindowProc")
#undef CallWindowProc
LResult CallWindowProc(WindowProc procedure, Handle window, MessageId message, WParam wParam,
                       LParam lParam);
#pragma pop_macro("CallWindowProc")

// The control that has the keyboard focus (0 if none of ours), and giving it
// (which also activates the control's window).
Handle GetFocusControl();
void SetFocusControl(Handle control);
