// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ControlFont.h"
#include "Cp932.h"
#include "ErrorBox.h"

// Runs on the platform QT_QPA_PLATFORM names: wayland under the test's own
// weston, xcb under its own Xvfb for the reference captures. Never on the
// user's desktop: the scripts that start this program start the servers.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    const QTemporaryDir userData;  // the hi-scores of this run, never the user's
    if (!userData.isValid()) {
        return 2;
    }
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());

    QApplication app(argc, argv);
    zunpeko::InstallFontSubstitutions();
    zunpeko::SetApplicationTitle(zunpeko::SjisFromUtf8("ずんぺこ"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
