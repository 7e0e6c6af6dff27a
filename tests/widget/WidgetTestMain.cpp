// GoogleTest's main for widget tests: one QApplication on the offscreen
// platform, so the tests need no display (test discovery at build time too).

#include "ui/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    StartUiServices(argc, argv);
    return RUN_ALL_TESTS();
}
