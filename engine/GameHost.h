// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "SjisText.h"

namespace zunpeko {

// What the game needs from the window it runs in. The main window implements
// it; tests implement it with a recording fake. Texts are code page 932 bytes.
class GameHost {
  public:
    virtual ~GameHost() = default;

    // Draws the board from the field as it is now.
    virtual void DrawBoard() = 0;
    // The time label's caption.
    virtual void SetTimeLabel(const SjisText& text) = 0;
    // Repaints the time label at once instead of at the next idle moment.
    virtual void RepaintTimeLabelNow() = 0;
    // The score panel's caption.
    virtual void SetScoreText(const SjisText& text) = 0;
    // Ends the hit sound still playing and starts it again.
    virtual void PlayHitSound() = 0;
    // The stop procedure: ends the game and checks the hi-score table. True
    // when a new game took over meanwhile (started during the stop's slide):
    // the tick's period then belongs to that game.
    virtual bool StopGame() = 0;

    // The tick timer: its period in milliseconds and whether it runs. Setting
    // a period different from the current one restarts the interval.
    virtual std::int32_t TickPeriod() const = 0;
    virtual void SetTickPeriod(std::int32_t ms) = 0;
    virtual void SetTickEnabled(bool enabled) = 0;
};

}  // namespace zunpeko
