#pragma once
// The Qt font behind font 1, the dialogs' own. Internal to src/ui.

#include <QFont>

QFont DialogFont();
