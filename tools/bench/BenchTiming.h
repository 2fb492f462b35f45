#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace vqbench {

using Clock = std::chrono::steady_clock;

inline double Nanoseconds(Clock::duration d) { return std::chrono::duration<double, std::nano>(d).count(); }

// The median time of 51 runs of work: the cost of just reading what a benchmark's subject reads,
// which its ratio is taken to.
template <typename Work>
double MedianNanoseconds(Work work) {
    std::vector<double> samples;
    for (int i = 0; i < 51; ++i) {
        const auto start = Clock::now();
        work();
        samples.push_back(Nanoseconds(Clock::now() - start));
    }
    std::nth_element(samples.begin(), samples.begin() + 25, samples.end());
    return samples[25];
}

} // namespace vqbench
