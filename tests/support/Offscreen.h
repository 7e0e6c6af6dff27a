#pragma once
// The one way tests start the window services: on Qt's offscreen platform,
// unless the caller chose a platform, so no test needs a display.

#include "ui/Application.h"

#include <cstdlib>

inline void StartOffscreenServices() {
    if (UiServicesStarted()) return;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt's choosers remember folders and column widths in the user's
    // configuration folder: tests use one that cannot be made, so they
    // neither read nor leave anything there.
    ::setenv("XDG_CONFIG_HOME", "/dev/null/config", 1);
    StartUiServices("editor-test");
}
