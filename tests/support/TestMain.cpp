// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test program that needs a Qt application.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ControlFont.h"

int main(int argc, char* argv[]) {
    // CTest lists the cases by running the program before it sets the test's
    // environment, so a test must not need a display even then. The Wayland
    // and X11 runs name their platform themselves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The players run at the real pace on SDL's silent driver too; tests have
    // no business making noise on the developer's speakers.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    // Every window made here keeps its hi-scores in a store of this run's
    // own, never the user's.
    const QTemporaryDir userData;
    if (!userData.isValid()) {
        return 2;
    }
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());

    QApplication app(argc, argv);
    zunpeko::InstallFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
