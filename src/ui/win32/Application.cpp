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
    // The screen's pixels per inch as this program, aware of the scale, sees
    // them; asked of the screen rather than of GetDpiForSystem, which
    // Windows before 10 lacks.
    HDC screen = GetDC(nullptr);
    SetUiScale(screen ? GetDeviceCaps(screen, LOGPIXELSX) / USER_DEFAULT_SCREEN_DPI : 1);
    if (screen) ReleaseDC(nullptr, screen);
    RegisterDialogClass();
    RegisterGraphicClass();
    InstallUiBackend(&backend);
}

bool UiServicesStarted() { return started; }
