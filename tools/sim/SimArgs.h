// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zunpeko::sim {

// A press the simulator makes in every game, after the output line of tick
// afterTick (0: after the reset, before the first tick).
struct SimPress {
    std::int32_t afterTick = 0;
    int x = 0;
    int y = 0;

    bool operator==(const SimPress&) const = default;
};

struct SimOptions {
    std::uint32_t seed = 0;
    int games = 1;
    std::vector<SimPress> presses;  // in the order given
};

// A command line the simulator cannot run; what() is a one-line message.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The one-line synopsis printed with every usage error.
inline constexpr std::string_view kUsage =
    "usage: zunpeko-sim --seed N [--games G] [--press T:X:Y]...";

// Reads the arguments after the program name. Throws UsageError for an
// unknown option, a missing value, a seed outside 0 .. 4294967295, a games
// count that is not a positive number, a malformed press or no seed at all.
// An option given twice takes its last value; presses add up.
SimOptions ParseSimArgs(std::span<const std::string_view> args);

}  // namespace zunpeko::sim
