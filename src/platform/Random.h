#pragma once

#include <cstdint>
#include <random>

namespace vq {

// One seedable generator per station; tests and vqsim fix the seed, the program seeds it from the clock.
class Random {
public:
    explicit Random(std::uint32_t seed = 1) : engine_(seed) {}
    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    // An integer from 0 to n - 1, each with equal chance.
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    // An integer from low to high inclusive.
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

private:
    std::mt19937 engine_;
};

} // namespace vq
