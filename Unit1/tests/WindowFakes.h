// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "QtClock.h"
#include "QtPrinters.h"
#include "RecordingSound.h"

namespace zunpeko::testing {

// What a test window runs on: the fake clock and the recording sound, unless
// the test asks for the real ones. The hi-score table is always the real one,
// in the per-user store under XDG_DATA_HOME, which the test program points
// to a folder of its own.
class WindowFakes {
  public:
    FormClock& Clock() {
        if (realClock) {
            return qtClock_;
        }
        return clock;
    }
    // None: the window plays through the game's own players.
    std::unique_ptr<FormSound> Sound() {
        return realSound ? nullptr : std::make_unique<RecordingSound>(sounds);
    }

    // The sounds asked for, in order, and how many times `name` was asked for.
    std::vector<std::string> sounds;
    long Count(const std::string& name) const { return std::ranges::count(sounds, name); }

    FakeClock clock;
    bool realClock = false;
    bool realSound = false;

  private:
    QtClock qtClock_;
};

}  // namespace zunpeko::testing
