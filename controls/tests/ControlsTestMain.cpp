#include <gtest/gtest.h>

#include <QApplication>

#include "ControlFont.h"

int main(int argc, char* argv[]) {
    // CTest lists the cases by running this program before it sets the test
    // environment, so the test must not need a display even then.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zunpeko::InstallFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
