#include "ui/Application.h"

#include "ui/StandardTexts.h"

#include <QApplication>

namespace {
QApplication* application = nullptr;
}

void StartUiServices(int& argc, char** argv) {
    if (application || QApplication::instance()) return;
    // Lives until the process ends, like every window the program makes.
    application = new QApplication(argc, argv);
    // Each modal run ends by its own loop's quit; the last window closing
    // must not end the others.
    QApplication::setQuitOnLastWindowClosed(false);
    UseSpanishStandardTexts();
}

bool UiServicesStarted() { return QApplication::instance() != nullptr; }
