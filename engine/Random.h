#pragma once

#include <cstdint>

namespace zunpeko {

// The program's one pseudo-random generator: a 32-bit linear congruential
// generator. Each call first advances the seed (seed * 134775813 + 1, modulo
// 2^32), then returns the upper 32 bits of the 64-bit product seed * n, an
// integer in 0 .. n-1. The window seeds it once at start-up; tests seed it
// with fixed values so that games repeat exactly.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 0) : seed_(seed) {}

    void SetSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }

    // An integer in 0 .. n-1 (n >= 1).
    std::int32_t Random(std::int32_t n);

private:
    std::uint32_t seed_;
};

}  // namespace zunpeko
