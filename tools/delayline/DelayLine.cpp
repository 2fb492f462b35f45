#include "DelayLine.h"

#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace vq::delayline {
namespace {

// Far more than a TUN device's MTU; a larger datagram would be cut, which no end here sends.
constexpr std::size_t kMaxPacket = 65536;
// A few milliseconds of a gigabit link: more than TCP keeps in flight over this line.
constexpr std::size_t kQueueBytes = 4 << 20;
// Packets taken from one end per wake-up, so that a flood in one direction never holds back the
// release of the other.
constexpr int kReceiveBatch = 64;

[[noreturn]] void Fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

// Errors after which the line goes on without the packet: the receiving stack refused it for now, or
// the device was just taken down by `ip link`.
bool Transient(int err) { return err == EAGAIN || err == ENOBUFS || err == ENOMEM || err == EIO || err == EINTR; }

timespec ToTimespec(std::chrono::nanoseconds wait) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
    return timespec{static_cast<time_t>(seconds.count()), static_cast<long>((wait - seconds).count())};
}

} // namespace

DelayLine::DelayLine(int endA, int endB, std::chrono::nanoseconds delay)
    : aToB_{endA, endB, DelayQueue(delay, kQueueBytes), {}}, bToA_{endB, endA, DelayQueue(delay, kQueueBytes), {}},
      buffer_(kMaxPacket, '\0') {}

void DelayLine::Receive(Direction& direction) {
    for (int i = 0; i < kReceiveBatch; ++i) {
        const ssize_t length = ::read(direction.from, buffer_.data(), buffer_.size());
        if (length < 0) {
            if (Transient(errno)) return;
            Fail("read");
        }
        // One time stamp per packet, taken after the read: a packet never leaves before its delay.
        if (!direction.queue.Push(buffer_.substr(0, static_cast<std::size_t>(length)), std::chrono::steady_clock::now()))
            ++direction.counts.dropped;
    }
}

void DelayLine::ReleaseDue(Direction& direction) {
    const auto now = std::chrono::steady_clock::now();
    while (auto packet = direction.queue.PopDue(now)) {
        if (::write(direction.to, packet->data(), packet->size()) == static_cast<ssize_t>(packet->size())) {
            ++direction.counts.forwarded;
            continue;
        }
        if (!Transient(errno)) Fail("write");
        ++direction.counts.dropped;
    }
}

std::chrono::nanoseconds DelayLine::TimeToNextRelease() const {
    const auto a = aToB_.queue.NextRelease();
    const auto b = bToA_.queue.NextRelease();
    if (!a && !b) return std::chrono::nanoseconds::max();
    const auto next = a && b ? std::min(*a, *b) : a ? *a : *b;
    return std::max(std::chrono::nanoseconds::zero(), next - std::chrono::steady_clock::now());
}

void DelayLine::Run(int stopFd) {
    // The default timer slack of 50 µs would add a tenth to every 0.55 ms delay.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    for (;;) {
        ReleaseDue(aToB_);
        ReleaseDue(bToA_);
        pollfd ends[] = {{aToB_.from, POLLIN, 0}, {bToA_.from, POLLIN, 0}, {stopFd, POLLIN, 0}};
        const auto wait = TimeToNextRelease();
        const timespec timeout = ToTimespec(wait);
        const int ready = ::ppoll(ends, 3, wait == std::chrono::nanoseconds::max() ? nullptr : &timeout, nullptr);
        if (ready < 0) {
            if (errno == EINTR) continue;
            Fail("ppoll");
        }
        if (ends[2].revents != 0) return;
        for (const pollfd& end : {ends[0], ends[1]})
            if (end.revents & (POLLERR | POLLNVAL)) throw std::system_error(EIO, std::generic_category(), "end of line");
        if (ends[0].revents & POLLIN) Receive(aToB_);
        if (ends[1].revents & POLLIN) Receive(bToA_);
    }
}

} // namespace vq::delayline
