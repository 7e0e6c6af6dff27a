#pragma once
// The program's main routine once the window services are up: choose the
// image, admit it, and run the editor on it. Returns the process status.

int RunStartup();
