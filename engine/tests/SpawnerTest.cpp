// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Game.h"
#include "RecordingHost.h"

namespace zunpeko {
namespace {

using testing::ScriptedRandom;
using Draws = std::vector<std::int32_t>;

class Spawner : public testing::RecordedGame {
  protected:
    void SetUp() override {
        // A threshold no clock in these tests reaches, unless a test moves it.
        game.State().WhiteAt = 0;
        game.State().WhiteActive = false;
    }

    void FillEveryHole() {
        for (int number = 1; number <= MoleField::kHoleCount; ++number) {
            game.Field().At(number) = Hole{MoleKind::Mole, 2, 2};
        }
    }
};

TEST_F(Spawner, DrawsOnceForEveryEmptyHoleThatStaysEmpty) {
    game.State().TimeLeftMs = 30999;
    game.SpawnMoles();
    EXPECT_EQ(random.asked, Draws(12, 45));
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        EXPECT_EQ(game.Field().At(number).kind, MoleKind::Empty) << number;
    }
}

TEST_F(Spawner, MakesAllThreeDrawsForAFilledHoleInHoleOrder) {
    game.State().TimeLeftMs = 30999;
    random.answers = {5, 0, 0,  // hole 1: an ordinary mole
                      5, 1, 0,  // hole 2: quick
                      5, 1, 5,  // hole 3: yellow wins over quick
                      5, 0, 5,  // hole 4: yellow
                      4, 6};    // holes 5 and 6 stay empty
    game.SpawnMoles();

    const Draws filled = {45, 20, 10};
    Draws expected;
    for (int i = 0; i < 4; ++i) {
        expected.insert(expected.end(), filled.begin(), filled.end());
    }
    expected.insert(expected.end(), 8, 45);
    EXPECT_EQ(random.asked, expected);

    EXPECT_EQ(game.Field().At(1).kind, MoleKind::Mole);
    EXPECT_EQ(game.Field().At(2).kind, MoleKind::QuickMole);
    EXPECT_EQ(game.Field().At(3).kind, MoleKind::YellowMole);
    EXPECT_EQ(game.Field().At(4).kind, MoleKind::YellowMole);
    EXPECT_EQ(game.Field().At(5).kind, MoleKind::Empty);
}

TEST_F(Spawner, ScalesItsOddsWithTheTimeLeftInWholeSeconds) {
    struct Case {
        std::int32_t timeLeftMs;
        std::int32_t fillRange;
        std::int32_t quickRange;
    };
    for (const Case c : {Case{30999, 45, 20}, Case{15999, 30, 12}, Case{1999, 16, 5},
                         Case{999, 15, 5}, Case{0, 15, 5}}) {
        ScriptedRandom script({5});
        Game fresh(host, script);
        fresh.State().TimeLeftMs = c.timeLeftMs;
        fresh.State().WhiteAt = 0;
        fresh.SpawnMoles();
        ASSERT_GE(script.asked.size(), 3U);
        EXPECT_EQ(script.asked[0], c.fillRange) << c.timeLeftMs;
        EXPECT_EQ(script.asked[1], c.quickRange) << c.timeLeftMs;
        EXPECT_EQ(script.asked[2], 10) << c.timeLeftMs;
    }
}

TEST_F(Spawner, LeavesANewlyFilledHoleAtFrameZeroUntilItIsAnimated) {
    game.State().TimeLeftMs = 20000;
    game.Field().At(1) = Hole{MoleKind::Empty, 6, 0};  // a step left over from its last mole
    random.answers = {5, 0, 0};
    game.SpawnMoles();
    EXPECT_EQ(game.Field().At(1).kind, MoleKind::Mole);
    EXPECT_EQ(game.Field().At(1).step, 0);
    EXPECT_EQ(game.Field().At(1).frame, 0);
    EXPECT_EQ(game.HoleAt(75, 85), 0) << "a hole at frame 0 cannot be hit";
    game.Field().AnimateMoles();
    EXPECT_EQ(game.Field().At(1).frame, 1);
}

TEST_F(Spawner, NeverRefillsAHoleThatIsNotEmpty) {
    game.State().TimeLeftMs = 20000;
    FillEveryHole();
    game.Field().At(4) = Hole{MoleKind::Smashed, 1, 8};
    game.Field().At(12) = Hole{};
    random.answers = {5, 0, 0};
    game.SpawnMoles();
    EXPECT_EQ(random.asked, (Draws{35, 15, 10})) << "only hole 12 draws";
    EXPECT_EQ(game.Field().At(4).kind, MoleKind::Smashed);
    EXPECT_EQ(game.Field().At(4).frame, 8);
    EXPECT_EQ(game.Field().At(1).step, 2);
    EXPECT_EQ(game.Field().At(12).kind, MoleKind::Mole);
}

TEST_F(Spawner, ReleasesAWhiteMoleOnlyStrictlyInsideItsWindow) {
    struct Case {
        std::int32_t timeLeftMs;
        bool released;
    };
    for (const Case c : {Case{11500, false}, Case{10999, false}, Case{10998, true},
                         Case{10500, true}, Case{10001, true}, Case{10000, false}}) {
        ScriptedRandom script({7});  // the white mole goes to hole 8
        Game fresh(host, script);
        for (int number = 1; number <= MoleField::kHoleCount; ++number) {
            fresh.Field().At(number) = Hole{MoleKind::Mole, 2, 2};
        }
        fresh.State().TimeLeftMs = c.timeLeftMs;
        fresh.State().WhiteAt = 10000;
        fresh.SpawnMoles();
        EXPECT_EQ(fresh.State().WhiteActive, c.released) << c.timeLeftMs;
        EXPECT_EQ(fresh.State().WhiteAt, 10000) << c.timeLeftMs;
        if (c.released) {
            EXPECT_EQ(script.asked, Draws{12}) << c.timeLeftMs;
            EXPECT_EQ(fresh.Field().At(8).kind, MoleKind::WhiteMole) << c.timeLeftMs;
            EXPECT_EQ(fresh.Field().At(8).step, 0) << c.timeLeftMs;
        } else {
            EXPECT_TRUE(script.asked.empty()) << c.timeLeftMs;
            EXPECT_EQ(fresh.Field().At(8).kind, MoleKind::Mole) << c.timeLeftMs;
        }
    }
}

TEST_F(Spawner, DrawsTheNextThresholdOnceTheClockPassesBelowTheReleasedOne) {
    FillEveryHole();
    game.State().WhiteAt = 10000;
    game.State().WhiteActive = true;

    game.State().TimeLeftMs = 10000;  // not yet below
    game.SpawnMoles();
    EXPECT_TRUE(random.asked.empty());

    game.State().TimeLeftMs = 9999;
    random.answers = {3067};
    game.SpawnMoles();
    EXPECT_EQ(random.asked, Draws{5000});
    EXPECT_EQ(game.State().WhiteAt, 999 + 3067);
    EXPECT_FALSE(game.State().WhiteActive) << "9999 lies above the new window";
}

TEST_F(Spawner, WaitsForTheClockToFallBelowTheThresholdAfterABonusLiftsIt) {
    FillEveryHole();
    game.State().WhiteAt = 10000;
    game.State().WhiteActive = true;
    for (const std::int32_t timeLeftMs : {16000, 10999, 10500, 10000}) {
        game.State().TimeLeftMs = timeLeftMs;
        game.SpawnMoles();
        EXPECT_TRUE(random.asked.empty()) << timeLeftMs;
        EXPECT_TRUE(game.State().WhiteActive) << timeLeftMs;
        EXPECT_EQ(game.State().WhiteAt, 10000) << timeLeftMs;
    }
}

TEST_F(Spawner, DrawsTheWhiteMoleAfterTheHolesAreFilled) {
    game.State().TimeLeftMs = 10500;
    game.State().WhiteAt = 10000;
    random.answers = {5, 0, 0};  // hole 1 fills, then the white mole goes to hole 1 too
    game.SpawnMoles();
    Draws expected = {25, 10, 10};
    expected.insert(expected.end(), 11, 25);
    expected.push_back(12);
    EXPECT_EQ(random.asked, expected);
    EXPECT_EQ(game.Field().At(1).kind, MoleKind::WhiteMole);
}

}  // namespace
}  // namespace zunpeko
