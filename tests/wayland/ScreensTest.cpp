// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen of the game, drawn on the real display server and captured
// from it: on X11 (Xvfb, imagemagick's import) the client area is cut out
// at the window's global position and kept as the reference; on Wayland
// (weston, its screenshooter) the same screen must appear pixel for pixel
// somewhere in the compositor's output.
//
// Input: in-process, through Qt's own event delivery (QTest key events on
// the window, the menu command's action for the hi-score panel, whose menu
// would need a real pointer's grab on Wayland). The fake clock makes the
// game, its random moles included, the same on both platforms.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <iostream>

#include "ScreenCapture.h"
#include "StoreFile.h"
#include "Unit1.h"
#include "WindowFakes.h"

namespace zunpeko::testing {
namespace {

const int kSettleMs = qEnvironmentVariableIntValue("SETTLE") > 0
                          ? qEnvironmentVariableIntValue("SETTLE")
                          : 20'000;

QString ReferenceFolder() {
    return qEnvironmentVariable("ZUNPEKO_SCREENS_DIR");
}

// Pixel for pixel; QImage's own comparison also weighs the colour space
// that a PNG from import carries.
bool SameArea(const QImage& a, const QImage& b) {
    return a.size() == b.size() && DifferingPixels(a, b, QPoint(0, 0)) == 0;
}

// What the widget's area shows on the screen, once the server shows what Qt
// painted: on X11 the cut-out at its global position must equal Qt's own
// rendering of the widget before it is kept; on Wayland the kept X11
// cut-out must turn up in the output. A failure says how far it got.
void ExpectDrawnAsOnX11(QWidget& area, const QString& name) {
    const QString reference = ReferenceFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
    const qreal scale = area.devicePixelRatioF();
    QElapsedTimer waited;
    waited.start();
    QString error;
    QImage shot;
    if (!OnWayland()) {
        const QImage drawn = area.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint at = area.mapToGlobal(QPoint(0, 0)) * scale;
        // Settled once it shows Qt's own rendering of the widget, or, where
        // the window keeps earlier pixels that a fresh rendering lacks (the
        // board after a game, under the returning title panel), once three
        // captures in a row agree.
        QImage cut;
        QImage previous;
        int sameInARow = 0;
        while (waited.elapsed() < kSettleMs) {
            QTest::qWait(20);
            shot = CaptureOutput(&error);
            cut = shot.copy(QRect(at, drawn.size()));
            sameInARow = SameArea(cut, previous) ? sameInARow + 1 : 0;
            previous = cut;
            if (SameArea(cut, drawn) || sameInARow == 2) {
                break;
            }
        }
        ASSERT_TRUE(SameArea(cut, drawn) || sameInARow == 2)
            << name.toStdString() << ": the X server's picture never settled "
            << error.toStdString();
        ASSERT_TRUE(cut.save(reference)) << reference.toStdString();
        return;
    }
    const QImage x11 = QImage(reference).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(x11.isNull()) << "no X11 capture " << reference.toStdString();
    std::optional<QPoint> found;
    do {
        QTest::qWait(20);
        shot = CaptureOutput(&error);
        found = FindExactly(shot, x11);
    } while (!found && waited.elapsed() < kSettleMs);
    if (!found) {
        // Saved for a look beside the X11 capture.
        shot.save(ReferenceFolder() + QLatin1Char('/') + name + QStringLiteral("-weston.png"));
        const auto atQt = FindExactly(shot, area.grab().toImage());
        FAIL() << name.toStdString() << ": the X11 capture is nowhere in weston's output; "
               << (atQt ? "Qt's own drawing is, and differs from it in " +
                              std::to_string(DifferingPixels(shot, x11, *atQt)) + " pixels"
                        : std::string("nor is Qt's own drawing of the window"))
               << " " << error.toStdString();
    }
    // Where the compositor put it, for the log: the prompt against the window.
    std::cout << name.toStdString() << " is at (" << found->x() << ", " << found->y()
              << ") in weston's output\n";
    EXPECT_EQ(x11.width(), static_cast<int>(std::lround(area.width() * scale)));
}

class Screens : public ::testing::Test {
  protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        // A compositor without a keyboard never activates the window; the
        // menu's shortcuts work only in the active window.
        QApplication::setActiveWindow(&form);
        // A blinking text cursor would make two captures of one screen differ.
        QApplication::setCursorFlashTime(0);
    }

    void Key(Qt::Key key) { QTest::keyClick(form.windowHandle(), key); }

    struct StoredFirst {
        StoredFirst() { StoreTableEveryGameBeats(); }
    } stored;
    WindowFakes platform;
    TForm1 form{platform.Clock(), platform.Sound()};
};

TEST_F(Screens, EveryScreenDrawsAsOnX11) {
    QWidget& client = *form.Surface();
    ExpectDrawnAsOnX11(client, QStringLiteral("title"));

    // Each step of a slide is repainted at once, before its wait: the
    // compositor must show it while the wait is still running.
    platform.clock.DuringWait([&] { ExpectDrawnAsOnX11(client, QStringLiteral("slide-out-1")); });
    platform.clock.DuringWait([&] { ExpectDrawnAsOnX11(client, QStringLiteral("slide-out-2")); });
    Key(Qt::Key_F5);
    ExpectDrawnAsOnX11(client, QStringLiteral("countdown"));

    platform.clock.Advance(3000);
    for (int tick = 0; tick < 6; ++tick) {
        platform.clock.Advance(form.Timer2->Interval());
    }
    ExpectDrawnAsOnX11(client, QStringLiteral("game"));

    // The stop asks for a name: the prompt is captured inside its own event
    // loop, then closed with Enter.
    bool prompted = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* prompt = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (prompt == nullptr || !prompt->isVisible() || prompted) {
            return;
        }
        prompted = true;
        watch.stop();
        QApplication::setActiveWindow(prompt);
        ExpectDrawnAsOnX11(*prompt, QStringLiteral("prompt"));
        QTest::keyClick(prompt->windowHandle(), Qt::Key_Return);
    });
    watch.start(10);
    platform.clock.DuringWait([&] { ExpectDrawnAsOnX11(client, QStringLiteral("slide-in-1")); });
    platform.clock.DuringWait([&] { ExpectDrawnAsOnX11(client, QStringLiteral("slide-in-2")); });
    Key(Qt::Key_F6);
    ASSERT_TRUE(prompted) << "the stop asked for no name";

    Key(Qt::Key_F1);
    ExpectDrawnAsOnX11(client, QStringLiteral("help"));

    form.N3->trigger();
    ExpectDrawnAsOnX11(client, QStringLiteral("hiscores"));
}

}  // namespace
}  // namespace zunpeko::testing
