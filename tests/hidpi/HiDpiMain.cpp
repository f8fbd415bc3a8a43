#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ControlFont.h"
#include "Cp932.h"
#include "ErrorBox.h"

// Each CTest runs this program at one scale factor (QT_SCALE_FACTOR in its
// environment), always on the offscreen platform.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window loads the hi-score table: never from the user's own store.
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
