// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include "Cp932.h"
#include "StartupFailure.h"

namespace zunpeko {
namespace {

TEST(StartupFailure, TheBoxIsTitledApplicationErrorShowsTheMediaTextAndEndsWithStatusOne) {
    const PlatformError error(SjisFromUtf8("Couldn't open 'doa.wav'"));
    const auto box = MakeStartupErrorBox(error);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"));
    EXPECT_EQ(box->text(), QStringLiteral("Couldn't open 'doa.wav'"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);

    // Press OK as soon as the real box is up.
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [] {
        if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown->button(QMessageBox::Ok)->click();
        }
    });
    presser.start(10);
    EXPECT_EQ(ReportStartupFailure(error), 1);
}

}  // namespace
}  // namespace zunpeko
