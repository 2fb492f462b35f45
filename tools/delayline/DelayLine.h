#pragma once

#include "DelayQueue.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace vq::delayline {

// Forwards packets between two packet descriptors, each after the same delay: a link with the
// latency of a school LAN between two network namespaces of one machine. An end is anything that
// reads and writes whole packets (a TUN device, a datagram socket); both must be non-blocking.
class DelayLine {
public:
    struct Counts {
        std::uint64_t forwarded = 0;
        std::uint64_t dropped = 0;
    };

    DelayLine(int endA, int endB, std::chrono::nanoseconds delay);

    // Forwards until stopFd becomes readable. Throws std::system_error when an end fails for good.
    void Run(int stopFd);

    [[nodiscard]] const Counts& AToB() const { return aToB_.counts; }
    [[nodiscard]] const Counts& BToA() const { return bToA_.counts; }

private:
    struct Direction {
        int from;
        int to;
        DelayQueue queue;
        Counts counts;
    };

    void Receive(Direction& direction);
    static void ReleaseDue(Direction& direction);
    [[nodiscard]] std::chrono::nanoseconds TimeToNextRelease() const;

    Direction aToB_;
    Direction bToA_;
    std::string buffer_;
};

} // namespace vq::delayline
