#include "ui/Application.h"

#include "ui/win32/Scale.h"
#include "ui/win32/Win32Backend.h"

namespace {
Win32Backend backend;
bool started = false;
int scale = 1;
} // namespace

void SetUiScale(int factor) { scale = factor > 1 ? factor : 1; }
int UiScale() { return scale; }

void StartUiServices(const char*) {
    if (started) return;
    started = true;
    SetUiScale(int(GetDpiForSystem() / USER_DEFAULT_SCREEN_DPI));
    RegisterDialogClass();
    RegisterGraphicClass();
    InstallUiBackend(&backend);
}

bool UiServicesStarted() { return started; }
