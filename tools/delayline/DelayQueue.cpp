#include "DelayQueue.h"

#include <utility>

namespace vq::delayline {

bool DelayQueue::Push(std::string packet, SteadyTime arrived) {
    if (bytes_ + packet.size() > byteLimit_) return false;
    bytes_ += packet.size();
    packets_.push_back(Held{arrived + delay_, std::move(packet)});
    return true;
}

std::optional<SteadyTime> DelayQueue::NextRelease() const {
    if (packets_.empty()) return std::nullopt;
    return packets_.front().release;
}

std::optional<std::string> DelayQueue::PopDue(SteadyTime now) {
    if (packets_.empty() || packets_.front().release > now) return std::nullopt;
    std::string packet = std::move(packets_.front().packet);
    packets_.pop_front();
    bytes_ -= packet.size();
    return packet;
}

} // namespace vq::delayline
