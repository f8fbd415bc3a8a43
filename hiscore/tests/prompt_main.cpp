// The prompt's tests need a QApplication and the program's font mapping.
#include <gtest/gtest.h>

#include <QApplication>

#include "ControlFont.h"

int main(int argc, char** argv) {
    // CTest lists the cases by running this without the tests' environment:
    // without a display the application could not even start.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    zunpeko::InstallFontSubstitutions();
    return RUN_ALL_TESTS();
}
