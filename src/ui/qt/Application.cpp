#include "ui/Application.h"

#include "ui/qt/QtBackend.h"
#include "ui/qt/StandardTexts.h"

#include <QApplication>

#include <string>

namespace {
QApplication* application = nullptr;
QtBackend backend;

// Qt keeps references to its argc and argv for as long as the application
// lives, which is until the process ends: so do these.
std::string name;
int argc = 1;
char* argv[] = {nullptr, nullptr};
} // namespace

void StartUiServices(const char* programName) {
    if (application || QApplication::instance()) return;
    name = programName != nullptr ? programName : "";
    argv[0] = name.data();
    // Lives until the process ends, like every window the program makes.
    application = new QApplication(argc, argv);
    // Each modal run ends by its own loop's quit; the last window closing
    // must not end the others.
    QApplication::setQuitOnLastWindowClosed(false);
    UseSpanishStandardTexts();
    InstallUiBackend(&backend);
}

bool UiServicesStarted() {
    return QApplication::instance() != nullptr;
}
