// SPDX-License-Identifier: GPL-3.0-or-later
#include "Random.h"

namespace zunpeko {

namespace {
constexpr std::uint32_t kMultiplier = 134775813U;
}  // namespace

std::int32_t RandomGenerator::Random(std::int32_t n) {
    seed_ = seed_ * kMultiplier + 1U;  // unsigned: wraps modulo 2^32 by definition
    const std::uint64_t product = static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(product >> 32U);
}

}  // namespace zunpeko
