#include "ui/Application.h"

#include "ui/win32/Win32Backend.h"

namespace {
Win32Backend backend;
bool started = false;
} // namespace

void StartUiServices(const char*) {
    if (started) return;
    started = true;
    RegisterDialogClass();
    RegisterGraphicClass();
    InstallUiBackend(&backend);
}

bool UiServicesStarted() { return started; }
