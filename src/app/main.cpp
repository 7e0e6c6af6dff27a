#include "app/Startup.h"
#include "ui/Application.h"

int main(int, char** argv) {
    // Only the program's name: the editor takes nothing from its command line.
    StartUiServices(argv[0]);
    return RunStartup();
}
