// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

#include "SimArgs.h"

namespace zunpeko::sim {

// Plays the games the options ask for, one after another with one generator
// seeded once, and writes their JSON Lines to out.
void RunSimulation(const SimOptions& options, std::ostream& out);

}  // namespace zunpeko::sim
