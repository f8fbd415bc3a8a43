// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "Game.h"
#include "Random.h"
#include "SimHost.h"

namespace zunpeko::soak {

// What a soak run saw, for the statistical checks. A spawn trial is one empty
// hole at the start of a tick that the white mole did not take in that tick;
// a trial fills with probability 1 / (time / 1000 + 15).
struct SoakStats {
    int games = 0;
    std::int64_t ticks = 0;
    int longestGame = 0;  // in ticks
    std::int64_t hits = 0;
    std::int64_t whiteHits = 0;  // hits on a white mole, each adding time
    std::int64_t whiteMoles = 0;

    double expectedFills = 0;  // sum of the trials' probabilities
    double fillVariance = 0;   // sum of p (1 - p)
    std::int64_t fills = 0;

    std::int64_t yellowFills = 0;
    double expectedQuick = 0;  // sum over fills of 9/10 * 1 / (time / 2000 + 5)
    double quickVariance = 0;
    std::int64_t quickFills = 0;
};

// Broken rules, counted, with the first one described in full.
struct SoakProblems {
    std::int64_t count = 0;
    std::string first;
};

// Plays whole games through the real engine, one generator seeded once as
// the program does, pressing at random places between ticks, and checks the
// rules after every tick and every press.
class SoakPlayer {
  public:
    // A game that has not ended after this many ticks never will: that is
    // over ten minutes of game time at the shortest period.
    static constexpr int kMaxTicksPerGame = 5000;

    SoakPlayer(std::uint32_t engineSeed, std::uint32_t pressSeed)
        : random_(engineSeed), game_(host_, random_), presses_(pressSeed) {}
    // The game holds on to the host and the generator beside it.
    SoakPlayer(const SoakPlayer&) = delete;
    SoakPlayer& operator=(const SoakPlayer&) = delete;

    void PlayGames(int count);

    const SoakStats& Stats() const { return stats_; }
    const SoakProblems& Problems() const { return problems_; }

  private:
    using Board = std::array<Hole, MoleField::kHoleCount>;

    void PlayGame();
    void TickAndCheck();
    void PressAndCheck(int x, int y);
    void PressRandomly();

    void CheckClock(const GameState& before, std::int32_t periodBefore);
    void CheckHoleSteps(const Board& before, int newWhite);
    void CheckFrames();
    void CountSpawns(const Board& before, std::int32_t timeLeft, int newWhite);
    int NewWhiteHole();
    Board Snapshot() const;

    void Fail(const std::string& what);

    sim::SimHost host_;
    RandomGenerator random_;
    Game game_;
    std::mt19937 presses_;
    SoakStats stats_;
    SoakProblems problems_;
    int gameNumber_ = 0;
    int tickNumber_ = 0;
    int whitesThisGame_ = 0;
};

}  // namespace zunpeko::soak
