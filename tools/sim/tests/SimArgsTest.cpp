// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "SimArgs.h"

namespace zunpeko::sim {
namespace {

SimOptions Parse(std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> list(args);
    return ParseSimArgs(list);
}

// The message of the usage error the arguments raise, or "" if they parse.
std::string ErrorFor(const std::vector<std::string_view>& args) {
    try {
        ParseSimArgs(args);
    } catch (const UsageError& error) {
        return error.what();
    }
    return "";
}

TEST(SimArgs, TakesASeedAloneWithOneGameAndNoPresses) {
    const SimOptions options = Parse({"--seed", "305419896"});
    EXPECT_EQ(options.seed, 305419896U);
    EXPECT_EQ(options.games, 1);
    EXPECT_TRUE(options.presses.empty());
}

TEST(SimArgs, TakesTheWholeUnsignedRangeOfSeeds) {
    EXPECT_EQ(Parse({"--seed", "0"}).seed, 0U);
    EXPECT_EQ(Parse({"--seed", "4294967295"}).seed, 4294967295U);
}

TEST(SimArgs, KeepsPressesInTheOrderGivenWhereverTheyStand) {
    const SimOptions options = Parse({"--press", "3:75:85", "--seed", "7", "--games", "4",
                                      "--press", "0:-5:300", "--press", "3:10:10"});
    EXPECT_EQ(options.seed, 7U);
    EXPECT_EQ(options.games, 4);
    EXPECT_EQ(options.presses, (std::vector<SimPress>{{3, 75, 85}, {0, -5, 300}, {3, 10, 10}}));
}

TEST(SimArgs, LetsARepeatedOptionTakeItsLastValue) {
    const SimOptions options =
        Parse({"--seed", "1", "--games", "2", "--seed", "9", "--games", "3"});
    EXPECT_EQ(options.seed, 9U);
    EXPECT_EQ(options.games, 3);
}

TEST(SimArgs, RejectsBadArgumentsWithAOneLineUsageMessage) {
    const std::vector<std::vector<std::string_view>> bad = {
        {},
        {"--games", "2"},
        {"--seed"},
        {"--seed", "4294967296"},
        {"--seed", "-1"},
        {"--seed", "+1"},
        {"--seed", "12a"},
        {"--seed", " 12"},
        {"--seed", ""},
        {"--seed", "1", "--games", "0"},
        {"--seed", "1", "--games", "-2"},
        {"--seed", "1", "--games", "two"},
        {"--seed", "1", "--games", "99999999999"},
        {"--seed", "1", "--press", "1:2"},
        {"--seed", "1", "--press", "1:2:3:4"},
        {"--seed", "1", "--press", "-1:2:3"},
        {"--seed", "1", "--press", "a:2:3"},
        {"--seed", "1", "--press", "1::3"},
        {"--seed", "1", "--press", "1:2:"},
        {"--seed", "1", "--press"},
        {"--seed", "1", "--speed", "3"},
        {"--seed", "1", "extra"},
        {"-s", "1"},
    };
    for (const auto& args : bad) {
        const std::string message = ErrorFor(args);
        std::string shown;
        for (const std::string_view arg : args) {
            shown += std::string(arg) + ' ';
        }
        EXPECT_NE(message.find(kUsage), std::string::npos) << shown << "-> " << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << shown;
    }
}

}  // namespace
}  // namespace zunpeko::sim
