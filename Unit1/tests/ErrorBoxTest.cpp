// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <stdexcept>

#include "Cp932.h"
#include "ErrorBox.h"
#include "QtPrinters.h"

namespace zunpeko {
namespace {

TEST(ClosingPeriod, IsAddedAfterTextEndingAboveThePeriod) {
    EXPECT_EQ(WithClosingPeriod("cannot open d3l.mp3"), "cannot open d3l.mp3.");
    EXPECT_EQ(WithClosingPeriod("path/"), "path/.") << "'/' comes right after '.'";
    EXPECT_EQ(WithClosingPeriod(SjisFromUtf8("エラー")), SjisFromUtf8("エラー."));
    EXPECT_EQ(WithClosingPeriod(SjisFromUtf8("ｴﾗｰ")), SjisFromUtf8("ｴﾗｰ."));
    // "表" ends in the byte of "\", far above ".", whatever it looks like.
    EXPECT_EQ(WithClosingPeriod(SjisFromUtf8("表")), SjisFromUtf8("表."));
}

TEST(ClosingPeriod, IsLeftOutAfterEmptyTextAPeriodOrAnythingBelowIt) {
    EXPECT_EQ(WithClosingPeriod(""), "");
    EXPECT_EQ(WithClosingPeriod("done."), "done.");
    EXPECT_EQ(WithClosingPeriod("really!"), "really!");
    EXPECT_EQ(WithClosingPeriod("a, b,"), "a, b,");
    EXPECT_EQ(WithClosingPeriod("trailing "), "trailing ");
    EXPECT_EQ(WithClosingPeriod("dash-"), "dash-");
    EXPECT_EQ(WithClosingPeriod("line\n"), "line\n");
}

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    int count = 0;
};

// Reads and dismisses the error box once it is up.
void WatchForBox(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        ++seen.count;
        box->accept();
    });
}

TEST(HandlerErrors, EndTheHandlerAndAreShownInTheProgramsErrorBox) {
    SetApplicationTitle(SjisFromUtf8("ずんぺこ"));
    SeenBox seen;
    WatchForBox(seen);
    bool ranOn = false;
    RunHandler(nullptr, [&ranOn] {
        throw PlatformError(SjisFromUtf8("ファイルが開けません"));
        ranOn = true;  // NOLINT: the point is that this never runs
    });
    EXPECT_FALSE(ranOn);
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.title, QStringLiteral("ずんぺこ"));
    EXPECT_EQ(seen.text, QStringLiteral("ファイルが開けません."));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

TEST(HandlerErrors, OfAnyOtherKindAreShownToo) {
    SeenBox seen;
    WatchForBox(seen);
    RunHandler(nullptr, [] { throw std::runtime_error("out of range"); });
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.text, QStringLiteral("out of range."));
}

// An error raised while the window is being made (the music beside the
// executable missing) comes before the window is on the screen: its box
// belongs in the middle of the screen, not of where the window might go.
TEST(HandlerErrors, OfAWindowNotYetShownAreShownInTheMiddleOfTheScreen) {
    if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
        GTEST_SKIP() << "on Wayland the compositor places a box and tells nobody where";
    }
    QWidget owner;
    owner.setGeometry(10, 20, 200, 100);
    QPoint boxCentre;
    QTimer::singleShot(0, [&boxCentre] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            boxCentre = box->frameGeometry().center();
            box->close();
        }
    });
    RunHandler(&owner, [] { throw PlatformError("cannot open d3l.mp3"); });
    const QPoint screenCentre = QApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((boxCentre - screenCentre).manhattanLength(), 2)
        << "box centred at " << boxCentre.x() << ", " << boxCentre.y() << ", screen's at "
        << screenCentre.x() << ", " << screenCentre.y();
}

TEST(HandlerErrors, NoErrorNoBox) {
    SeenBox seen;
    WatchForBox(seen);
    int runs = 0;
    RunHandler(nullptr, [&runs] { ++runs; });
    QApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(seen.count, 0);
}

}  // namespace
}  // namespace zunpeko
