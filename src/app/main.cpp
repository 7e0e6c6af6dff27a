#include "app/Startup.h"
#include "ui/Application.h"

#include <csignal>

int main(int, char** argv) {
#ifdef SIGXFSZ
    // A write past the file size limit of the shell that started the editor
    // would otherwise end the process and lose the user's edits; ignored, it
    // fails like a write onto a full disk, and the save says so.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Only the program's name: the editor takes nothing from its command line.
    StartUiServices(argv[0]);
    return RunStartup();
}
