#include <gtest/gtest.h>

#include <QApplication>

#include "ControlFont.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // CTest lists the cases without the test environment, and the listing needs
    // a QApplication too; the tests never need a real display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zunpeko::InstallFontSubstitutions();
    return RUN_ALL_TESTS();
}
