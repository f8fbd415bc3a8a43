#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    // The players run at the real pace on SDL's silent driver too; tests
    // have no business making noise on the developer's speakers.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
