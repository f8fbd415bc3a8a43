// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Cp932.h"
#include "ScreenStates.h"
#include "ShownForm.h"

namespace zunpeko {
namespace {

using testing::Caption;
using testing::Screen;
using ScreenFlow = testing::ShownForm;

TEST_F(ScreenFlow, OpensAndClosesTheHiScoreAndHelpPanelsFromTheTitle) {
    {
        SCOPED_TRACE("title");
        testing::ExpectScreen(form, Screen::Title);
    }
    form.N3->trigger();
    {
        SCOPED_TRACE("hi-scores");
        testing::ExpectScreen(form, Screen::HiScores);
        EXPECT_EQ(form.Pnl_HSC->pos(), QPoint(48, 16));
    }
    form.Help1->trigger();
    {
        SCOPED_TRACE("help over hi-scores");
        testing::ExpectScreen(form, Screen::Help);
        EXPECT_EQ(form.Pnl_Help->pos(), QPoint(16, 8));
    }
    form.Button3->click();
    {
        SCOPED_TRACE("back from help");
        testing::ExpectScreen(form, Screen::Title);
    }
    form.N3->trigger();
    form.Button1->click();
    {
        SCOPED_TRACE("back from hi-scores");
        testing::ExpectScreen(form, Screen::Title);
    }
}

TEST_F(ScreenFlow, StartsWithTheSlideThenCountsDownAndStartsTheTickAfterThreeSeconds) {
    form.N3->trigger();
    Key(Qt::Key_F5);  // from the hi-score panel
    {
        SCOPED_TRACE("countdown");
        testing::ExpectScreen(form, Screen::Countdown);
    }
    EXPECT_EQ(platform.clock.Waits(), (std::vector<int>{100, 100}));
    EXPECT_EQ(platform.sounds, (std::vector<std::string>{"OpenPlayers", "ReopenMusic",
                                                         "CutEndSound", "StartMusic"}));
    EXPECT_EQ(Caption(form.Pnl_Sc), QStringLiteral("0"));
    EXPECT_EQ(Caption(form.Lbl_Tim), QString());
    EXPECT_FALSE(form.Engine().State().Muted);

    for (const char* digit : {"3", "2", "1"}) {
        EXPECT_EQ(Caption(form.Lbl_Cnt1), QString::fromLatin1(digit));
        EXPECT_EQ(Caption(form.Lbl_Cnt2), QString::fromLatin1(digit));
        EXPECT_TRUE(form.Lbl_Cnt1->isVisibleTo(&form));
        EXPECT_TRUE(form.Timer1->Enabled());
        platform.clock.Advance(1000);
    }
    {
        SCOPED_TRACE("game");
        testing::ExpectScreen(form, Screen::Game);
    }
    EXPECT_FALSE(form.Lbl_Cnt1->isVisibleTo(&form));
    EXPECT_FALSE(form.Lbl_Cnt2->isVisibleTo(&form));
    EXPECT_EQ(form.Timer2->Interval(), 200);

    platform.clock.Advance(199);
    EXPECT_EQ(Caption(form.Lbl_Tim), QString()) << "no tick before 200 ms";
    platform.clock.Advance(1);
    EXPECT_EQ(Caption(form.Lbl_Tim), QStringLiteral("残り時間 30 秒"));
    EXPECT_EQ(form.Timer2->Interval(), 30799 / 150 + 130);
}

TEST_F(ScreenFlow, RunsEachMenuKeyOnlyWhereItsCommandIsAvailable) {
    Key(Qt::Key_F6);
    EXPECT_EQ(platform.Count("StopMusic"), 0) << "F6 on the title screen";
    Key(Qt::Key_F1);
    testing::ExpectScreen(form, Screen::Help);
    Key(Qt::Key_F1);
    testing::ExpectScreen(form, Screen::Help);

    Key(Qt::Key_F5);
    testing::ExpectScreen(form, Screen::Countdown);
    for (const Qt::Key disabled : {Qt::Key_F5, Qt::Key_F1}) {
        Key(disabled);
    }
    EXPECT_EQ(platform.clock.Waits().size(), 2u) << "no second start during the countdown";
    testing::ExpectScreen(form, Screen::Countdown);

    platform.clock.Advance(3000);
    Key(Qt::Key_F5);
    Key(Qt::Key_F1);
    testing::ExpectScreen(form, Screen::Game);

    Key(Qt::Key_F6);
    testing::ExpectScreen(form, Screen::Title);
    EXPECT_EQ(platform.Count("StopMusic"), 1);

    Key(Qt::Key_F9);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Closing);
}

TEST_F(ScreenFlow, StopsDuringTheCountdownWithTheEndSoundAndAHiScoreCheckOfZero) {
    Key(Qt::Key_F5);
    platform.clock.Advance(1000);
    Key(Qt::Key_F6);

    testing::ExpectScreen(form, Screen::Title);
    EXPECT_EQ(platform.Count("StopMusic"), 1);
    EXPECT_EQ(platform.Count("PlayEndSound"), 1);
    EXPECT_TRUE(form.Engine().State().Muted);
    EXPECT_EQ(platform.clock.Waits(), (std::vector<int>{100, 100, 100, 100}));
    EXPECT_EQ(Caption(form.Lbl_Cnt1), QStringLiteral("2")) << "the digits stay as they were";
    EXPECT_TRUE(form.Lbl_Cnt1->isVisibleTo(&form));
    // The check ran with 0, which ranks nowhere but refreshes the table with
    // its leading spaces.
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("0"));
    EXPECT_EQ(Caption(form.Label6), QStringLiteral(" pikuro"));
    EXPECT_EQ(Caption(form.Label9), QStringLiteral("300"));
}

TEST_F(ScreenFlow, EndsTheGameWhenTheTimeRunsOutAsTheStopCommandDoes) {
    StartGame();
    const int ticks = TickUntilOver();
    EXPECT_GT(ticks, 100);
    EXPECT_LT(ticks, 240);

    testing::ExpectScreen(form, Screen::Title);
    EXPECT_EQ(form.Engine().State().TimeLeftMs, 0);
    EXPECT_EQ(Caption(form.Lbl_Tim), QStringLiteral("残り時間 0 秒"));
    EXPECT_EQ(form.Timer2->Interval(), 130) << "the last period set";
    EXPECT_EQ(platform.Count("StopMusic"), 1);
    EXPECT_EQ(platform.Count("PlayEndSound"), 1);
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("0"));
    EXPECT_EQ(Caption(form.Label6), QStringLiteral(" pikuro"));

    // Nothing runs on after the stop.
    const std::int64_t stoppedAt = platform.clock.Now();
    platform.clock.Advance(5000);
    EXPECT_EQ(form.Engine().State().TimeLeftMs, 0);
    EXPECT_EQ(platform.clock.Now(), stoppedAt + 5000);
    EXPECT_EQ(platform.Count("PlayEndSound"), 1);
}

TEST_F(ScreenFlow, ScoresAWhackAndUpdatesTheScoreAndTimeAtOnce) {
    StartGame();
    Tick();
    PutMole(6, 2);
    PressAt(HoleCentre(1, 1));
    EXPECT_EQ(form.Engine().State().Score, 10);
    EXPECT_EQ(Caption(form.Pnl_Sc), QStringLiteral("10"));
    EXPECT_EQ(form.Engine().Field().At(6).kind, MoleKind::Smashed);
    EXPECT_EQ(platform.Count("PlayHit"), 1);

    PressAt(HoleCentre(1, 1));
    EXPECT_EQ(form.Engine().State().Score, 10) << "a burst is not hittable";
    EXPECT_EQ(platform.Count("PlayHit"), 1);

    form.Engine().State().TimeLeftMs = 2000;
    PutMole(12, 6, MoleKind::WhiteMole);
    PressAt(HoleCentre(2, 3));
    EXPECT_EQ(Caption(form.Pnl_Sc), QStringLiteral("20"));
    EXPECT_EQ(form.Engine().State().TimeLeftMs, 7999);
    EXPECT_EQ(Caption(form.Lbl_Tim), QStringLiteral("残り時間 7 秒"));
}

TEST_F(ScreenFlow, JudgesAPressDuringTheStartSlideAgainstTheLastGamesField) {
    StartGame();
    form.Engine().State().Score = 40;
    Key(Qt::Key_F6);
    PutMole(1, 3);  // left on the field by the last game
    // The panel slides out to the lower left; the top-left hole is bare.
    platform.clock.DuringWait([this] { PressAt(HoleCentre(0, 0)); });
    Key(Qt::Key_F5);

    EXPECT_EQ(platform.Count("PlayHit"), 0) << "still muted from the stop";
    EXPECT_EQ(Caption(form.Pnl_Sc), QStringLiteral("50")) << "the old score and the hit";
    EXPECT_EQ(form.Engine().State().Score, 0) << "cleared by the reset after the slide";
    EXPECT_EQ(form.Engine().Field().At(1).kind, MoleKind::Empty);
    testing::ExpectScreen(form, Screen::Countdown);
}

TEST_F(ScreenFlow, CountsAPressDuringTheStopSlideInTheGamesScore) {
    StartGame();
    form.Engine().State().Score = 40;
    PutMole(1, 2);
    // The panel comes in from the upper right; the left column is still bare.
    platform.clock.DuringWait([this] { PressAt(HoleCentre(0, 0)); });
    Key(Qt::Key_F6);
    EXPECT_EQ(platform.Count("PlayHit"), 0);
    EXPECT_EQ(Caption(form.Panel7), QStringLiteral("50"));
}

TEST_F(ScreenFlow, StartsOnReturnOnlyWhileStartHasTheFocus) {
    EXPECT_EQ(QApplication::focusWidget(), form.Button2);
    Key(Qt::Key_Return);
    testing::ExpectScreen(form, Screen::Countdown);
    Key(Qt::Key_F6);
    testing::ExpectScreen(form, Screen::Title);
    // Disabled during the game, START!! lost the focus and nothing gave it back.
    Key(Qt::Key_Return);
    Key(Qt::Key_Space);
    testing::ExpectScreen(form, Screen::Title);
}

TEST_F(ScreenFlow, StartsOnSpaceOnTheFirstTitleScreen) {
    Key(Qt::Key_Space);
    testing::ExpectScreen(form, Screen::Countdown);
}

TEST_F(ScreenFlow, SeedsTheGeneratorFromTheTimeOfDay) {
    EXPECT_EQ(form.Random().Seed(), platform.clock.timeOfDay);
}

}  // namespace
}  // namespace zunpeko
