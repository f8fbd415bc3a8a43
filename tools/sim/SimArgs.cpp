// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimArgs.h"

#include <charconv>
#include <limits>
#include <optional>

namespace zunpeko::sim {

namespace {

// The whole of text as a number of type T, or nothing: no sign where T is
// unsigned, no spaces, no trailing characters.
template <typename T>
std::optional<T> WholeNumber(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

[[noreturn]] void Fail(const std::string& what) {
    throw UsageError("zunpeko-sim: " + what + " (" + std::string(kUsage) + ")");
}

std::uint32_t ParseSeed(std::string_view text) {
    const auto seed = WholeNumber<std::uint32_t>(text);
    if (!seed) {
        Fail("the seed must be a number from 0 to 4294967295, not '" + std::string(text) + "'");
    }
    return *seed;
}

int ParseGames(std::string_view text) {
    const auto games = WholeNumber<int>(text);
    if (!games || *games < 1) {
        Fail("the games count must be a positive number, not '" + std::string(text) + "'");
    }
    return *games;
}

SimPress ParsePress(std::string_view text) {
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
    if (second == std::string_view::npos) {
        Fail("a press is T:X:Y, not '" + std::string(text) + "'");
    }
    const auto tick = WholeNumber<std::int32_t>(text.substr(0, first));
    const auto x = WholeNumber<int>(text.substr(first + 1, second - first - 1));
    const auto y = WholeNumber<int>(text.substr(second + 1));
    if (!tick || *tick < 0 || !x || !y) {
        Fail("a press is T:X:Y with a tick of 0 or more, not '" + std::string(text) + "'");
    }
    return SimPress{*tick, *x, *y};
}

}  // namespace

SimOptions ParseSimArgs(std::span<const std::string_view> args) {
    SimOptions options;
    bool seedGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        if (option != "--seed" && option != "--games" && option != "--press") {
            Fail("unknown option '" + std::string(option) + "'");
        }
        if (i + 1 == args.size()) {
            Fail(std::string(option) + " needs a value");
        }
        const std::string_view value = args[++i];
        if (option == "--seed") {
            options.seed = ParseSeed(value);
            seedGiven = true;
        } else if (option == "--games") {
            options.games = ParseGames(value);
        } else {
            options.presses.push_back(ParsePress(value));
        }
    }
    if (!seedGiven) {
        Fail("--seed is required");
    }
    return options;
}

}  // namespace zunpeko::sim
