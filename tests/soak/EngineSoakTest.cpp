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

double Deviations(double observed, double expected, double variance) {
    return (observed - expected) / std::sqrt(variance);
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
    const double z =
        Deviations(static_cast<double>(stats.fills), stats.expectedFills, stats.fillVariance);
    RecordProperty("fills", std::to_string(stats.fills));
    RecordProperty("expected_fills", std::to_string(stats.expectedFills));
    RecordProperty("fill_deviations", std::to_string(z));
    EXPECT_LT(std::abs(z), kMaxDeviations)
        << stats.fills << " fills against " << stats.expectedFills << " expected";
}

TEST(EngineSoak, MakesOneNewMoleInTenYellowAndTheQuickOnesByTheClock) {
    const SoakStats& stats = Soak().Stats();
    const auto fills = static_cast<double>(stats.fills);
    const double yellow =
        Deviations(static_cast<double>(stats.yellowFills), fills * 0.1, fills * 0.1 * 0.9);
    RecordProperty("yellow", std::to_string(stats.yellowFills));
    RecordProperty("yellow_deviations", std::to_string(yellow));
    EXPECT_LT(std::abs(yellow), kMaxDeviations)
        << stats.yellowFills << " yellow moles among " << stats.fills << " new ones";
    const double quick =
        Deviations(static_cast<double>(stats.quickFills), stats.expectedQuick, stats.quickVariance);
    RecordProperty("quick", std::to_string(stats.quickFills));
    RecordProperty("expected_quick", std::to_string(stats.expectedQuick));
    RecordProperty("quick_deviations", std::to_string(quick));
    EXPECT_LT(std::abs(quick), kMaxDeviations)
        << stats.quickFills << " quick moles against " << stats.expectedQuick << " expected";
}

}  // namespace
}  // namespace zunpeko::soak
