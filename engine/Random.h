// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zunpeko {

// Where the game rules take their random numbers from. The program has one
// source, a RandomGenerator; tests substitute a scripted one to see exactly
// which draws the rules make and in which order.
class RandomSource {
  public:
    virtual ~RandomSource() = default;

    // An integer in 0 .. n-1 (n >= 1).
    virtual std::int32_t Random(std::int32_t n) = 0;
};

// The program's one pseudo-random generator: a 32-bit linear congruential
// generator. Each call first advances the seed (seed * 134775813 + 1, modulo
// 2^32), then returns the upper 32 bits of the 64-bit product seed * n, an
// integer in 0 .. n-1. The window seeds it once at start-up; tests seed it
// with fixed values so that games repeat exactly.
class RandomGenerator final : public RandomSource {
  public:
    explicit RandomGenerator(std::uint32_t seed = 0) : seed_(seed) {}

    void SetSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }

    // An integer in 0 .. n-1 for n >= 1. For n <= 0 the seed still advances
    // and n is taken as the unsigned 32-bit value of the same bits, so the
    // result is defined but not in any useful range; the game never asks.
    std::int32_t Random(std::int32_t n) override;

  private:
    std::uint32_t seed_;
};

}  // namespace zunpeko
