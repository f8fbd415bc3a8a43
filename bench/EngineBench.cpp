// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the engine's work per tick and per press, without a window.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "Game.h"

namespace zunpeko {
namespace {

// A host that does nothing but keep the tick period, so only the engine is
// measured.
class NullHost : public GameHost {
  public:
    void DrawBoard() override {}
    void SetTimeLabel(const SjisText& text) override { benchmark::DoNotOptimize(text.data()); }
    void RepaintTimeLabelNow() override {}
    void SetScoreText(const SjisText& text) override { benchmark::DoNotOptimize(text.data()); }
    void PlayHitSound() override {}
    bool StopGame() override { return false; }
    std::int32_t TickPeriod() const override { return period_; }
    void SetTickPeriod(std::int32_t ms) override { period_ = ms; }
    void SetTickEnabled(bool /*enabled*/) override {}

  private:
    std::int32_t period_ = 0;
};

constexpr std::int32_t kMidGameMs = 15000;
constexpr std::uint32_t kSeed = 305419896U;

// A game just reset on the null host, with the same draws on every run.
struct FreshGame {
    FreshGame() { game.ResetGame(); }
    NullHost host;
    RandomGenerator random{kSeed};
    Game game{host, random};
};

void Tick(benchmark::State& state) {
    FreshGame fresh;
    Game& game = fresh.game;
    while (game.State().TimeLeftMs > kMidGameMs) {
        game.Tick();
    }
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        game.Tick();
        // Hold the clock mid-game so that moles keep coming and going.
        game.State().TimeLeftMs = kMidGameMs;
    }
    benchmark::DoNotOptimize(game.Field().At(1));
}
BENCHMARK(Tick);

void PressThatHits(benchmark::State& state) {
    FreshGame fresh;
    Game& game = fresh.game;
    // The last hole of the scan, so the press tests every box before it.
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        game.Field().At(12) = Hole{MoleKind::Mole, 2, 2};
        game.State().Score = 0;
        benchmark::DoNotOptimize(game.Press(375, 225));
    }
}
BENCHMARK(PressThatHits);

void PressThatMisses(benchmark::State& state) {
    FreshGame fresh;
    Game& game = fresh.game;
    for (int number = 1; number <= MoleField::kHoleCount; ++number) {
        game.Field().At(number) = Hole{MoleKind::Mole, 2, 2};
    }
    // Between two boxes with every mole up: all twelve boxes are tested.
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        benchmark::DoNotOptimize(game.Press(125, 225));
    }
}
BENCHMARK(PressThatMisses);

}  // namespace
}  // namespace zunpeko
