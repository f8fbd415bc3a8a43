// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "GameHost.h"

namespace zunpeko::sim {

// The window as the simulator plays it: a tick timer that only remembers its
// period and whether it runs, a time label that keeps its text, and a stop
// procedure that only notes it ran. Boards, sounds and scores show nowhere.
class SimHost : public GameHost {
  public:
    void DrawBoard() override {}
    void SetTimeLabel(const SjisText& text) override { timeLabel_ = text; }
    void RepaintTimeLabelNow() override {}
    void SetScoreText(const SjisText& /*text*/) override {}
    void PlayHitSound() override {}
    bool StopGame() override {
        stopped_ = true;
        return false;
    }
    std::int32_t TickPeriod() const override { return period_; }
    void SetTickPeriod(std::int32_t ms) override { period_ = ms; }
    void SetTickEnabled(bool enabled) override { enabled_ = enabled; }

    const SjisText& TimeLabel() const { return timeLabel_; }
    bool TickEnabled() const { return enabled_; }
    // Whether the stop procedure has run since ClearStopped.
    bool Stopped() const { return stopped_; }
    void ClearStopped() { stopped_ = false; }

  private:
    SjisText timeLabel_;
    std::int32_t period_ = 0;
    bool enabled_ = false;
    bool stopped_ = false;
};

}  // namespace zunpeko::sim
