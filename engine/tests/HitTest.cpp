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
using Calls = std::vector<std::string>;

class Hit : public testing::RecordedGame {
  protected:
    void Put(int number, MoleKind kind, std::int32_t frame, std::int32_t step = 2) {
        game.Field().At(number) = Hole{kind, step, frame};
    }
};

TEST_F(Hit, HasExclusiveBoundsOnAllFourSidesOfEveryBox) {
    struct Case {
        int hole;
        int x;
        int y;
        bool hits;
    };
    const Case cases[] = {
        {1, 43, 85, false},   {1, 44, 85, true},     {1, 106, 85, true},    {1, 107, 85, false},
        {1, 75, 53, false},   {1, 75, 54, true},     {1, 75, 116, true},    {1, 75, 117, false},
        {1, 44, 54, true},    {1, 106, 116, true},   {12, 343, 225, false}, {12, 344, 225, true},
        {12, 406, 225, true}, {12, 407, 225, false}, {12, 375, 193, false}, {12, 375, 194, true},
        {12, 375, 256, true}, {12, 375, 257, false}, {7, 275, 155, true},   {7, 244, 124, true},
    };
    for (const Case& c : cases) {
        Game fresh(host, random);
        fresh.Field().At(c.hole) = Hole{MoleKind::Mole, 2, 2};
        EXPECT_EQ(fresh.Press(c.x, c.y), c.hits ? c.hole : 0)
            << "hole " << c.hole << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST_F(Hit, MissesInTheGapsBetweenBoxesWhenEveryMoleIsUp) {
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        Put(number, MoleKind::Mole, 2);
    }
    EXPECT_EQ(game.Press(125, 85), 0);  // between columns 0 and 1
    EXPECT_EQ(game.Press(75, 120), 0);  // between rows 0 and 1
    EXPECT_EQ(game.Press(10, 10), 0);   // outside the board
    EXPECT_EQ(game.Press(-75, -85), 0);
    EXPECT_EQ(game.Press(175, 155), 6);  // row 1, column 1
    EXPECT_TRUE(host.Count("PlayHitSound") == 1);
}

TEST_F(Hit, HitsHoleOneOnlyWhileItShowsAMole) {
    for (std::int32_t frame = 0; frame <= 11; ++frame) {
        Game fresh(host, random);
        fresh.Field().At(1) = Hole{MoleKind::Mole, 2, frame};
        const bool mole = frame == 1 || frame == 2 || frame == 3 || frame == 5 || frame == 6;
        EXPECT_EQ(fresh.Press(75, 85), mole ? 1 : 0) << "frame " << frame;
    }
}

TEST_F(Hit, AwardsByTheFrameShownAtThePress) {
    struct Case {
        std::int32_t frame;
        std::int32_t points;
        std::int32_t bonusMs;
    };
    for (const Case c :
         {Case{1, 10, 0}, Case{2, 10, 0}, Case{3, 10, 0}, Case{5, 30, 0}, Case{6, 10, 5999}}) {
        Game fresh(host, random);
        fresh.State().Score = 100;
        fresh.State().TimeLeftMs = 12000;
        fresh.Field().At(5) = Hole{MoleKind::YellowMole, 2, c.frame};
        ASSERT_EQ(fresh.Press(75, 155), 5) << c.frame;
        EXPECT_EQ(fresh.State().Score, 100 + c.points) << c.frame;
        EXPECT_EQ(fresh.State().TimeLeftMs, 12000 + c.bonusMs) << c.frame;
    }
}

TEST_F(Hit, ShowsTheWhiteMolesBonusTimeAtOnce) {
    game.State().TimeLeftMs = 2000;
    Put(3, MoleKind::WhiteMole, 6);
    game.Press(275, 85);
    EXPECT_EQ(game.State().TimeLeftMs, 7999);
    EXPECT_EQ(game.State().Score, 10);
    EXPECT_EQ(host.timeLabel, Label(7));
    EXPECT_EQ(host.calls.back(), "RepaintTimeLabelNow");
}

TEST_F(Hit, SmashesTheHitMoleToFrameEightAtStepZero) {
    Put(9, MoleKind::YellowMole, 5, 3);
    EXPECT_EQ(game.Press(75, 225), 9);
    EXPECT_EQ(game.Field().At(9).kind, MoleKind::Smashed);
    EXPECT_EQ(game.Field().At(9).frame, 8);
    EXPECT_EQ(game.Field().At(9).step, 0);
}

TEST_F(Hit, ScoresASecondPressOnTheSameMoleNothing) {
    Put(4, MoleKind::Mole, 3);
    EXPECT_EQ(game.Press(375, 85), 4);
    host.Take();
    EXPECT_EQ(game.Press(376, 86), 0);
    EXPECT_EQ(game.State().Score, 10);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(Hit, AwardsSoundsThenShowsScoreAndTimeAndRepaints) {
    game.State().TimeLeftMs = 15500;
    Put(1, MoleKind::Mole, 1);
    std::int32_t scoreAtSound = -1;
    host.onCall = [&](const std::string& call) {
        if (call == "PlayHitSound") {
            scoreAtSound = game.State().Score;
        }
    };
    game.Press(75, 85);
    EXPECT_EQ(host.Take(), (Calls{"PlayHitSound", "SetScoreText 10", "SetTimeLabel " + Label(15),
                                  "RepaintTimeLabelNow"}));
    EXPECT_EQ(scoreAtSound, 10);
}

TEST_F(Hit, ScoresSilentlyWhenMuted) {
    game.State().Muted = true;
    Put(1, MoleKind::Mole, 2);
    EXPECT_EQ(game.Press(75, 85), 1);
    EXPECT_EQ(game.State().Score, 10);
    EXPECT_EQ(host.Count("PlayHitSound"), 0);
    EXPECT_EQ(host.Take(),
              (Calls{"SetScoreText 10", "SetTimeLabel " + Label(0), "RepaintTimeLabelNow"}));
}

TEST_F(Hit, LeavesTheMoleStandingWhenTheHitSoundThrows) {
    Put(1, MoleKind::Mole, 2);
    host.throwFrom = "PlayHitSound";
    EXPECT_THROW(game.Press(75, 85), PlatformError);
    EXPECT_EQ(game.State().Score, 10);  // the award came before the sound
    EXPECT_EQ(host.Count("SetScoreText"), 0);
    EXPECT_EQ(game.Field().At(1).kind, MoleKind::Mole);
    EXPECT_EQ(game.Field().At(1).frame, 2);
}

TEST_F(Hit, CallsNothingOnTheHostForAMiss) {
    Put(1, MoleKind::YellowMole, 4);
    EXPECT_EQ(game.Press(75, 85), 0);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(game.State().Score, 0);
    EXPECT_EQ(game.Field().At(1).frame, 4);
}

}  // namespace
}  // namespace zunpeko
