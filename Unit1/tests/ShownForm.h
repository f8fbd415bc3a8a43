// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

#include "Unit1.h"
#include "WindowFakes.h"

namespace zunpeko::testing {

// Empties the per-user store the test program points XDG_DATA_HOME to, so
// the window made next starts as on its first run.
struct FreshStore {
    FreshStore() {
        QDir(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/zunpeko"))
            .removeRecursively();
    }
};

// The main window on the fake clock, shown and active, driven through its
// QWindow so presses and keys are routed the way the window system routes them.
class ShownForm : public ::testing::Test {
  protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        Activate();
    }

    // Gives the window the keyboard, as a click on it would.
    void Activate() {
        form.activateWindow();
        if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
            // Activation is the compositor's, and a headless one without a
            // keyboard never grants it; the shortcuts need the active window.
            QApplication::setActiveWindow(&form);
            ASSERT_TRUE(form.isActiveWindow());
        } else {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        }
    }

    // A left press at a point of the client area.
    void PressAt(QPoint client) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          form.Surface()->mapTo(&form, client));
    }

    void Key(Qt::Key key) { QTest::keyClick(form.windowHandle(), key); }

    // F5, then the countdown: the game's first tick is due next.
    void StartGame() {
        Key(Qt::Key_F5);
        platform.clock.Advance(3000);
    }

    // One tick of the game.
    void Tick() { platform.clock.Advance(form.Timer2->Interval()); }

    // Ticks until the game stops itself; the number of ticks.
    int TickUntilOver() {
        int ticks = 0;
        while (form.Timer2->Enabled() && ticks < 1000) {
            Tick();
            ++ticks;
        }
        return ticks;
    }

    // The hole's centre in client coordinates.
    static QPoint HoleCentre(int row, int column) {
        return {kBoardLeft + kCellPitchX * column + kHitCentreOffset,
                kBoardTop + kCellPitchY * row + kHitCentreOffset};
    }

    void PutMole(int hole, std::int32_t frame, MoleKind kind = MoleKind::Mole) {
        Hole& target = form.Engine().Field().At(hole);
        target.kind = kind;
        target.frame = frame;
        target.step = 1;
    }

    FreshStore store;
    WindowFakes platform;
    TForm1 form{platform.Clock(), platform.Sound()};
};

}  // namespace zunpeko::testing
