// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "GameHost.h"
#include "MoleField.h"
#include "Random.h"
#include "SjisText.h"

namespace zunpeko {

// The state of one game. All fields are zero or false until the first reset.
struct GameState {
    std::int32_t TimeLeftMs = 0;
    std::int32_t Score = 0;
    std::int32_t WhiteAt = 0;  // time left at which the next white mole is due
    bool WhiteActive = false;  // a white mole has come up for the current WhiteAt
    bool Muted = false;        // hit sounds are suppressed (no game running)
};

// Game timing and geometry that the window shares with the engine.
inline constexpr std::int32_t kGameTimeMs = 30999;
inline constexpr std::int32_t kFirstTickPeriodMs = 200;
inline constexpr int kBoardLeft = 50;
inline constexpr int kBoardTop = 60;
inline constexpr int kCellPitchX = 100;
inline constexpr int kCellPitchY = 70;

// A hole's hit box: 63 pixels square around the point 25 pixels right of and
// below its cell's top-left corner, every bound exclusive.
inline constexpr int kHitCentreOffset = 25;
inline constexpr int kHitHalfWidth = 32;

// The awards of a hit, by what the hit mole showed.
inline constexpr std::int32_t kMolePoints = 10;
inline constexpr std::int32_t kYellowMolePoints = 30;
inline constexpr std::int32_t kWhiteMolePoints = 10;
inline constexpr std::int32_t kWhiteMoleBonusMs = 5999;

// The rules of a game: reset, tick (spawning, the white-mole schedule,
// animation, the clock) and hits. Everything outside the rules goes through
// the host. Whatever the host throws passes through unchanged and ends the
// operation at that point, with the steps before it done and none after it.
class Game {
  public:
    Game(GameHost& host, RandomSource& random) : host_(host), random_(random) {}

    MoleField& Field() { return field_; }
    const MoleField& Field() const { return field_; }
    GameState& State() { return state_; }
    const GameState& State() const { return state_; }

    // Clears the field, sets the clock to 30999 ms, draws the first white-mole
    // threshold and sets the tick period to 200 ms (without starting the timer).
    void ResetGame();

    // One game tick: draw, spawn, animate, take the period off the clock, show
    // the time, stop at 0 (mute, disable the timer, the host's StopGame), set
    // the next period to time / 150 + 130 ms, after a stop as well.
    void Tick();

    // Fills empty holes at random, then runs the white-mole schedule.
    void SpawnMoles();

    // The whack: a press at (x, y) in window client coordinates, any button.
    // Awards the hittable mole under it, if any, then smashes it (frame 8,
    // kind Smashed, step 0), and returns its hole number, or 0 for a miss.
    // It never asks whether a game is running.
    int Press(int x, int y);

    // Adds the award for a hit on a mole showing frame (1, 2, 3: 10 points;
    // 5: 30; 6: 10 and 5999 ms; other frames nothing), sounds the hit unless
    // muted, then sets the score text, the time text and repaints the time
    // label at once.
    void AwardHit(std::int32_t frame);

    // The hole whose hit box holds (x, y) and whose frame is hittable, or 0.
    int HoleAt(int x, int y) const;

  private:
    void FillEmptyHoles();
    void RunWhiteMoleSchedule();
    static bool InHitBox(int x, int y, int row, int column);

    GameHost& host_;
    RandomSource& random_;
    MoleField field_;
    GameState state_;
};

}  // namespace zunpeko
