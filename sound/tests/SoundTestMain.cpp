#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Only a message box is ever made, never shown to anyone: no display needed,
    // not even when the test runner lists the cases.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The players run at the real pace on SDL's silent driver too; tests
    // have no business making noise on the developer's speakers.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
