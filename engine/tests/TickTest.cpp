// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Game.h"
#include "RecordingHost.h"

namespace zunpeko {
namespace {

using testing::Label;
using testing::RecordingHost;
using Calls = std::vector<std::string>;

class Tick : public testing::RecordedGame {
  protected:
    // A reset whose white-mole threshold (10000) stays out of the way.
    void Reset() {
        random.answers = {0};
        game.ResetGame();
        host.Take();
        random.asked.clear();
    }
};

TEST_F(Tick, ResetSetsTheClockTheThresholdAndThePeriodButNotTheTimer) {
    game.State().Muted = true;
    game.State().Score = 120;
    game.State().WhiteActive = true;
    game.Field().At(5) = Hole{MoleKind::Smashed, 2, 9};
    random.answers = {18999};
    game.ResetGame();
    EXPECT_EQ(random.asked, std::vector<std::int32_t>{19000});
    EXPECT_EQ(game.State().TimeLeftMs, 30999);
    EXPECT_EQ(game.State().Score, 0);
    EXPECT_EQ(game.State().WhiteAt, 28999);
    EXPECT_FALSE(game.State().WhiteActive);
    EXPECT_TRUE(game.State().Muted) << "the window unmutes, not the reset";
    EXPECT_EQ(game.Field().At(5).kind, MoleKind::Empty);
    EXPECT_EQ(host.Take(), Calls{"SetTickPeriod 200"});
}

TEST_F(Tick, DrawsShowsTheTimeAndSetsThePeriodInThatOrder) {
    Reset();
    game.Tick();
    EXPECT_EQ(host.Take(), (Calls{"DrawBoard", "SetTimeLabel " + Label(30), "SetTickPeriod 335"}));
    EXPECT_EQ(game.State().TimeLeftMs, 30799);
}

TEST_F(Tick, DrawsTheBoardBeforeSpawningAndAnimating) {
    Reset();
    game.Field().At(2) = Hole{MoleKind::Mole, 1, 1};
    std::vector<std::int32_t> frameWhenDrawn;
    std::size_t drawsWhenDrawn = 99;
    host.onCall = [&](const std::string& call) {
        if (call == "DrawBoard") {
            frameWhenDrawn.push_back(game.Field().At(2).frame);
            drawsWhenDrawn = random.asked.size();
        }
    };
    game.Tick();
    EXPECT_EQ(frameWhenDrawn, std::vector<std::int32_t>{1});
    EXPECT_EQ(drawsWhenDrawn, 0U);
    EXPECT_EQ(game.Field().At(2).frame, 2);
}

TEST_F(Tick, SpawnsAgainstTheTimeBeforeTheTickTakesItsPeriod) {
    Reset();
    game.State().TimeLeftMs = 15100;  // 15 s before the tick, 14 s after it
    host.period = 200;
    game.Tick();
    ASSERT_FALSE(random.asked.empty());
    EXPECT_EQ(random.asked.front(), 30);
}

TEST_F(Tick, TakesThePeriodTheTimerHasNow) {
    Reset();
    host.period = 250;  // set behind the engine's back
    game.Tick();
    EXPECT_EQ(game.State().TimeLeftMs, 30999 - 250);
}

TEST_F(Tick, SetsTheNextPeriodFromTheTimeLeft) {
    struct Case {
        std::int32_t timeAfterTick;
        std::int32_t period;
    };
    for (const Case c : {Case{30799, 335}, Case{15000, 230}, Case{300, 132}, Case{150, 131},
                         Case{149, 130}, Case{1, 130}, Case{0, 130}}) {
        Reset();
        game.State().TimeLeftMs = c.timeAfterTick + 200;
        host.period = 200;
        game.Tick();
        EXPECT_EQ(host.Take().back(), "SetTickPeriod " + std::to_string(c.period))
            << c.timeAfterTick;
    }
}

TEST_F(Tick, ShowsZeroSecondsWithoutStoppingWhileAMillisecondIsLeft) {
    Reset();
    game.State().TimeLeftMs = 201;
    host.period = 200;
    host.enabled = true;
    game.Tick();
    EXPECT_EQ(game.State().TimeLeftMs, 1);
    EXPECT_EQ(host.Take(), (Calls{"DrawBoard", "SetTimeLabel " + Label(0), "SetTickPeriod 130"}));
    EXPECT_FALSE(game.State().Muted);
    EXPECT_TRUE(host.enabled);
}

TEST_F(Tick, StopsAtExactlyZeroOnTheTickThatWouldGoBelowIt) {
    Reset();
    game.State().TimeLeftMs = 150;
    host.period = 200;
    host.enabled = true;
    bool mutedAtStop = false;
    bool enabledAtStop = true;
    host.onCall = [&](const std::string& call) {
        if (call == "StopGame") {
            mutedAtStop = game.State().Muted;
            enabledAtStop = host.enabled;
        }
    };
    game.Tick();
    EXPECT_EQ(game.State().TimeLeftMs, 0);
    EXPECT_EQ(host.Take(), (Calls{"DrawBoard", "SetTimeLabel " + Label(0), "SetTickEnabled false",
                                  "StopGame", "SetTickPeriod 130"}));
    EXPECT_TRUE(mutedAtStop);
    EXPECT_FALSE(enabledAtStop);
    EXPECT_TRUE(game.State().Muted);
}

TEST_F(Tick, LeavesThePeriodToANewGameThatTookOverDuringTheStop) {
    Reset();
    game.State().TimeLeftMs = 100;
    host.period = 200;
    host.newGameDuringStop = true;
    game.Tick();
    EXPECT_EQ(host.Take(),
              (Calls{"DrawBoard", "SetTimeLabel " + Label(0), "SetTickEnabled false", "StopGame"}));
    EXPECT_EQ(host.period, 200);
}

TEST_F(Tick, EndsWhereTheStopThrowsWithoutSettingThePeriod) {
    Reset();
    game.State().TimeLeftMs = 100;
    host.period = 200;
    host.throwFrom = "StopGame";
    EXPECT_THROW(game.Tick(), PlatformError);
    EXPECT_EQ(host.Take(),
              (Calls{"DrawBoard", "SetTimeLabel " + Label(0), "SetTickEnabled false", "StopGame"}));
    EXPECT_TRUE(game.State().Muted);
    EXPECT_EQ(host.period, 200);
}

TEST_F(Tick, ChangesNothingWhenDrawingTheBoardThrows) {
    Reset();
    host.period = 200;
    host.throwFrom = "DrawBoard";
    EXPECT_THROW(game.Tick(), PlatformError);
    EXPECT_TRUE(random.asked.empty());
    EXPECT_EQ(game.State().TimeLeftMs, 30999);
}

TEST_F(Tick, ShowsAFreshMoleForFiveTicksAndEmptiesItOnTheSixth) {
    Reset();
    random.answers = {5, 0, 0};  // hole 1 fills on the first tick, nothing else ever does
    std::vector<std::int32_t> frames;
    for (int tick = 0; tick < 6; ++tick) {
        game.Tick();
        frames.push_back(game.Field().At(1).frame);
    }
    EXPECT_EQ(frames, (std::vector<std::int32_t>{1, 2, 3, 2, 1, 0}));
    EXPECT_EQ(game.Field().At(1).kind, MoleKind::Empty);
}

TEST_F(Tick, StartsTheWhiteSequenceOverASmashedHoleInTheSameTick) {
    Reset();
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        game.Field().At(number) = Hole{MoleKind::Mole, 1, 1};
    }
    game.Field().At(6) = Hole{MoleKind::Smashed, 1, 8};
    game.State().TimeLeftMs = 10500;
    random.answers = {5};  // the white mole goes to hole 6
    game.Tick();
    EXPECT_EQ(game.Field().At(6).kind, MoleKind::WhiteMole);
    EXPECT_EQ(game.Field().At(6).frame, 4);
    EXPECT_EQ(game.Field().At(6).step, 1);
}

// Whole games with the real generator and no presses.
class WholeGame : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(WholeGame, EndsOnceWithAtLeastTwoWhiteMolesAndALastPeriodOf130) {
    RecordingHost host;
    RandomGenerator random(GetParam());
    Game game(host, random);
    game.ResetGame();
    host.enabled = true;

    int ticks = 0;
    int whiteMoles = 0;
    while (host.enabled && ticks < 1000) {
        const bool wasActive = game.State().WhiteActive;
        game.Tick();
        ++ticks;
        whiteMoles += !wasActive && game.State().WhiteActive ? 1 : 0;
        EXPECT_GE(host.period, 130);
        EXPECT_LE(host.period, 336);
    }
    // 30999 ms in periods of 130 to 335 ms.
    EXPECT_GT(ticks, 30999 / 335);
    EXPECT_LT(ticks, 30999 / 130);
    EXPECT_EQ(host.Count("StopGame"), 1);
    EXPECT_EQ(host.calls.back(), "SetTickPeriod 130");
    EXPECT_EQ(host.timeLabel, Label(0));
    EXPECT_EQ(game.State().TimeLeftMs, 0);
    EXPECT_GE(whiteMoles, 2);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WholeGame,
                         ::testing::Values(0U, 1U, 305419896U, 0xFFFFFFFFU, 0x2468ACE0U));

}  // namespace
}  // namespace zunpeko
