#include "app/Startup.h"
#include "ui/Application.h"

int main(int argc, char** argv) {
    StartUiServices(argc, argv);
    return RunStartup();
}
