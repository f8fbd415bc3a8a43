// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "SoakPlayer.h"

namespace zunpeko::soak {
namespace {

constexpr int kGames = 10000;
constexpr std::uint32_t kEngineSeed = 20240607U;
constexpr std::uint32_t kPressSeed = 7U;
// Five standard deviations: with a fixed seed the result never changes, and
// a real mistake in the odds (an off-by-one in a divisor moves the fill rate
// by several percent) lies far beyond it.
constexpr double kMaxDeviations = 5.0;

// One run per test process, shared by the checks below.
const SoakPlayer& Soak() {
    static const SoakPlayer& player = []() -> const SoakPlayer& {
        static SoakPlayer p(kEngineSeed, kPressSeed);
        p.PlayGames(kGames);
        return p;
    }();
    return player;
}

// Records how far `observed` lies from `expected` in standard deviations, as
// "<name>", "expected_<name>" and "<name>_deviations", and checks that it lies
// within kMaxDeviations.
void ExpectNear(const std::string& name, std::int64_t observed, double expected, double variance) {
    const double z = (static_cast<double>(observed) - expected) / std::sqrt(variance);
    ::testing::Test::RecordProperty(name, std::to_string(observed));
    ::testing::Test::RecordProperty("expected_" + name, std::to_string(expected));
    ::testing::Test::RecordProperty(name + "_deviations", std::to_string(z));
    EXPECT_LT(std::abs(z), kMaxDeviations)
        << observed << " " << name << " against " << expected << " expected";
}

TEST(EngineSoak, KeepsEveryRuleOnEveryTickAndPressOfTenThousandGames) {
    const SoakPlayer& soak = Soak();
    EXPECT_EQ(soak.Problems().count, 0) << soak.Problems().first;
    RecordProperty("ticks", std::to_string(soak.Stats().ticks));
    RecordProperty("longest_game_ticks", soak.Stats().longestGame);
    RecordProperty("white_moles", std::to_string(soak.Stats().whiteMoles));
    RecordProperty("hits", std::to_string(soak.Stats().hits));
    RecordProperty("white_hits", std::to_string(soak.Stats().whiteHits));
    // The random presses must really have hit moles, white ones among them,
    // or the checks of the awards saw little.
    EXPECT_GT(soak.Stats().hits, kGames * 10);
    EXPECT_GT(soak.Stats().whiteHits, kGames / 10);
}

TEST(EngineSoak, FillsEmptyHolesAtOneInTimeInSecondsPlusFifteen) {
    const SoakStats& stats = Soak().Stats();
    ExpectNear("fills", stats.fills, stats.expectedFills, stats.fillVariance);
}

TEST(EngineSoak, MakesOneNewMoleInTenYellowAndTheQuickOnesByTheClock) {
    const SoakStats& stats = Soak().Stats();
    const auto fills = static_cast<double>(stats.fills);
    ExpectNear("yellow", stats.yellowFills, fills * 0.1, fills * 0.1 * 0.9);
    ExpectNear("quick", stats.quickFills, stats.expectedQuick, stats.quickVariance);
}

}  // namespace
}  // namespace zunpeko::soak
