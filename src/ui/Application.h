#pragma once
// Starting the window services. Call once, from main, before any other
// service of src/ui; they stay up until the process ends. Each backend
// defines these, and installs itself here (ui/Backend.h).

// The program reads no command line: Qt is handed the program's name alone,
// so none of its own options (-style, -reverse, -platform, ...) acts. Its
// environment variables (QT_QPA_PLATFORM, QT_SCALE_FACTOR, ...) still do.
void StartUiServices(const char* programName);

// True once StartUiServices has run.
bool UiServicesStarted();
