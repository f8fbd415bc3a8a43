// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Cp932.h"
#include "ScreenStates.h"
#include "ShownForm.h"

namespace zunpeko {
namespace {

using testing::Caption;
using testing::Screen;
using SlideInterruption = testing::ShownForm;

TEST_F(SlideInterruption, ClosingDuringTheStartSlideEndsTheWaitsButFinishesTheStart) {
    platform.clock.DuringWait([this] { form.close(); });
    Key(Qt::Key_F5);
    EXPECT_TRUE(form.Closing);
    EXPECT_EQ(platform.clock.Waits(), (std::vector<int>{100}))
        << "the second wait returned at once";
    EXPECT_TRUE(form.Pnl_TT->isHidden());
    EXPECT_TRUE(form.Timer1->Enabled());
    EXPECT_EQ(form.Countdown, 3);
    EXPECT_EQ(platform.Count("StartMusic"), 1);
}

TEST_F(SlideInterruption, ClosingDuringTheStopSlideStillChecksAndShowsTheScore) {
    StartGame();
    form.Engine().State().Score = 90;
    platform.clock.DuringWait([this] { form.close(); });
    Key(Qt::Key_F6);
    EXPECT_EQ(platform.clock.Waits(), (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(form.Pnl_TT->pos(), QPoint(0, 0));
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("90"));
    EXPECT_EQ(Caption(form.Label8), QStringLiteral(" zurizu"));
}

TEST_F(SlideInterruption, AStopDuringTheStartSlideCancelsTheStartAndScoresZero) {
    StartGame();
    form.Engine().State().Score = 70;
    Key(Qt::Key_F6);
    ASSERT_EQ(Caption(form.Panel7), QStringLiteral("70"));

    platform.clock.DuringWait([this] { Key(Qt::Key_F6); });
    Key(Qt::Key_F5);
    testing::ExpectScreen(form, Screen::Title);
    EXPECT_TRUE(form.Engine().State().Muted);
    EXPECT_EQ(platform.Count("StartMusic"), 1) << "only the first game's music";
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("0")) << "not the last game's 70 again";

    // Nothing of the cancelled start goes on afterwards.
    platform.clock.Advance(10000);
    testing::ExpectScreen(form, Screen::Title);
}

TEST_F(SlideInterruption, AStartDuringTheStopSlideFirstRecordsTheStoppedGame) {
    StartGame();
    form.Engine().State().Score = 80;
    platform.clock.DuringWait([this] { Key(Qt::Key_F5); });
    Key(Qt::Key_F6);
    testing::ExpectScreen(form, Screen::Countdown);
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("80"));
    EXPECT_EQ(Caption(form.Label8), QStringLiteral(" zurizu")) << "the check ran";
    EXPECT_EQ(form.Engine().State().Score, 0);
    EXPECT_FALSE(form.Engine().State().Muted);
    EXPECT_TRUE(form.Pnl_TT->isHidden());

    platform.clock.Advance(3000);
    testing::ExpectScreen(form, Screen::Game);
    EXPECT_EQ(form.Timer2->Interval(), 200);
}

TEST_F(SlideInterruption, AStartDuringTheStopSlideOfTheTimeOutKeepsTheNewGamesFirstPeriod) {
    StartGame();
    form.Engine().State().TimeLeftMs = 100;
    platform.clock.DuringWait([this] { Key(Qt::Key_F5); });
    Tick();  // the time runs out, and the player starts again at once
    testing::ExpectScreen(form, Screen::Countdown);
    EXPECT_EQ(form.Timer2->Interval(), 200);
    platform.clock.Advance(3200);
    EXPECT_EQ(form.Engine().State().TimeLeftMs, 30999 - 200);
}

TEST_F(SlideInterruption, TheHiScorePanelOpenedDuringTheStopSlideKeepsItsCommands) {
    StartGame();
    platform.clock.DuringWait([this] { form.N3->trigger(); });
    Key(Qt::Key_F6);
    testing::ExpectScreen(form, Screen::HiScores);
}

}  // namespace
}  // namespace zunpeko
