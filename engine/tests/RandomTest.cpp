// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Random.h"

namespace zunpeko {
namespace {

TEST(RandomGenerator, GivesTheKnownSequenceForAMixedRun) {
    RandomGenerator random(305419896U);
    const std::vector<std::int32_t> ranges = {19000, 45, 45, 20, 10, 12, 5000};
    const std::vector<std::int32_t> expected = {15092, 21, 38, 18, 8, 10, 3067};
    std::vector<std::int32_t> got;
    got.reserve(ranges.size());
    for (const std::int32_t n : ranges) {
        got.push_back(random.Random(n));
    }
    EXPECT_EQ(got, expected);
}

TEST(RandomGenerator, GivesTheKnownSequenceFromSeedZero) {
    RandomGenerator random(0);
    std::vector<std::int32_t> got;
    got.reserve(5);
    for (int i = 0; i < 5; ++i) {
        got.push_back(random.Random(1000));
    }
    EXPECT_EQ(got, (std::vector<std::int32_t>{0, 31, 861, 202, 272}));
}

}  // namespace
}  // namespace zunpeko
