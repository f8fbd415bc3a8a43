// SPDX-License-Identifier: GPL-3.0-or-later
// zunpeko-sim: plays games without a window and prints every reset, tick and
// press as JSON Lines, so a game can be followed step by step from a seed.

#include <iostream>
#include <string_view>
#include <vector>

#include "SimArgs.h"
#include "Simulation.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    zunpeko::sim::SimOptions options;
    try {
        options = zunpeko::sim::ParseSimArgs(args);
    } catch (const zunpeko::sim::UsageError& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    std::ios::sync_with_stdio(false);
    zunpeko::sim::RunSimulation(options, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
