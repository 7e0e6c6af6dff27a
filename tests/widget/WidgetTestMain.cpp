// GoogleTest's main for widget tests: the window services on the offscreen
// platform, so the tests need no display (test discovery at build time too).

#include "../support/Offscreen.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    StartOffscreenServices();
    return RUN_ALL_TESTS();
}
