#pragma once
// Every text that the window services themselves show, in one place.

// The caption of a message box asked for without one.
constexpr const char* DEFAULT_MESSAGE_CAPTION = "Error";
