#pragma once
// Starting the window services. Call once, from main, before any other
// service of src/ui; they stay up until the process ends.

void StartUiServices(int& argc, char** argv);

// True once StartUiServices has run.
bool UiServicesStarted();
