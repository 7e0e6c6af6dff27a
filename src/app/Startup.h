#pragma once
// The program's main routine once the window services are up: choose the
// image, admit it, and run the editor on it. Returns the process status: 0,
// or EXIT_FAILURE, said on standard error, when the main window or its canvas
// cannot be made.

int RunStartup();
