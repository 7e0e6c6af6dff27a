// Stands in for the editor in the tests of where the settings file is kept:
// "save W H" saves that block size, "get" prints the one read.

#include "canvas/EditingState.h"
#include "settings/BlockSizeSettings.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const std::string action = argc > 1 ? argv[1] : "";
    if (action == "save" && argc == 4) {
        Editing().BlockWidth = std::int16_t(std::atoi(argv[2]));
        Editing().BlockHeight = std::int16_t(std::atoi(argv[3]));
        BlockSizeSettings("save");
        return 0;
    }
    if (action == "get" && argc == 2) {
        BlockSizeSettings("get");
        std::printf("%d %d\n", Editing().BlockWidth, Editing().BlockHeight);
        return 0;
    }
    return 2;
}
