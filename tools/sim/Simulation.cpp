// SPDX-License-Identifier: GPL-3.0-or-later
#include "Simulation.h"

#include <ostream>

#include "Cp932.h"
#include "Game.h"
#include "JsonLines.h"
#include "Random.h"
#include "SimHost.h"

namespace zunpeko::sim {

namespace {

class Simulation {
  public:
    Simulation(const SimOptions& options, std::ostream& out)
        : options_(options), out_(out), random_(options.seed), game_(host_, random_) {}

    void Run() {
        for (int number = 1; number <= options_.games; ++number) {
            PlayGame(number);
        }
    }

  private:
    void PlayGame(int number) {
        // As the window starts a game: reset, unmute, and the timer runs once
        // the countdown is over.
        game_.ResetGame();
        game_.State().Muted = false;
        host_.SetTickEnabled(true);
        WriteResetLine(out_, number, game_, host_.TickPeriod());
        ApplyPresses(number, 0);

        for (std::int32_t tick = 1;; ++tick) {
            host_.ClearStopped();
            game_.Tick();
            WriteTickLine(out_, number, tick, game_, host_.TickPeriod(),
                          Utf8FromSjis(host_.TimeLabel()), host_.Stopped());
            ApplyPresses(number, tick);
            if (host_.Stopped()) {
                return;
            }
        }
    }

    void ApplyPresses(int number, std::int32_t afterTick) {
        for (const SimPress& press : options_.presses) {
            if (press.afterTick == afterTick) {
                const int hole = game_.Press(press.x, press.y);
                WritePressLine(out_, number, afterTick, press.x, press.y, hole, game_);
            }
        }
    }

    const SimOptions& options_;
    std::ostream& out_;
    SimHost host_;
    RandomGenerator random_;
    Game game_;
};

}  // namespace

void RunSimulation(const SimOptions& options, std::ostream& out) {
    Simulation(options, out).Run();
}

}  // namespace zunpeko::sim
