#include "ui/Backend.h"

namespace {
UiBackend* installed = nullptr;
}

UiBackend* CurrentUiBackend() { return installed; }

void InstallUiBackend(UiBackend* backend) { installed = backend; }
