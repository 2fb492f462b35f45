#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace vq::delayline {

using SteadyTime = std::chrono::steady_clock::time_point;

// The packets of one direction of the line, each held until a fixed time after it arrived.
//
// Every packet waits the same time, so the queue stays in arrival order and the line never reorders
// what TCP sent. A queue holding more than its byte limit drops the newest packet, as a switch with a
// full buffer would; the sender's TCP then sends it again.
class DelayQueue {
public:
    DelayQueue(std::chrono::nanoseconds delay, std::size_t byteLimit) : delay_(delay), byteLimit_(byteLimit) {}

    // False when the packet was dropped because the queue is full.
    [[nodiscard]] bool Push(std::string packet, SteadyTime arrived);
    // When the oldest packet is due; empty when nothing waits.
    [[nodiscard]] std::optional<SteadyTime> NextRelease() const;
    // Takes out the oldest packet if it is due at now.
    [[nodiscard]] std::optional<std::string> PopDue(SteadyTime now);

    [[nodiscard]] std::size_t Packets() const { return packets_.size(); }
    [[nodiscard]] std::size_t Bytes() const { return bytes_; }

private:
    struct Held {
        SteadyTime release;
        std::string packet;
    };

    std::chrono::nanoseconds delay_;
    std::size_t byteLimit_;
    std::size_t bytes_ = 0;
    std::deque<Held> packets_;
};

} // namespace vq::delayline
