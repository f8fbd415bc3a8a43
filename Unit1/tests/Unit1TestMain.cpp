#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ControlFont.h"
#include "Cp932.h"
#include "ErrorBox.h"

int main(int argc, char* argv[]) {
    // CTest lists the cases by running this program before it sets the test
    // environment, so the test must not need a display even then.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
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
    zunpeko::SetApplicationTitle(zunpeko::SjisFromUtf8("ずんぺこ"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
