// The line itself, run between packet socket pairs: they carry whole packets as TUN devices do,
// and need no root.

#include "DelayLine.h"
#include "TunDevice.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using vq::delayline::DelayLine;
using vq::delayline::UniqueFd;

struct Pair {
    UniqueFd near;
    UniqueFd far;
};

Pair PacketPair() {
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0) throw std::runtime_error("socketpair");
    // Room for a whole burst, so that the line never finds the test's ends full.
    const int size = 4 << 20;
    for (int fd : fds) ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    for (int fd : fds) ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
    return {UniqueFd(fds[0]), UniqueFd(fds[1])};
}

// A line between a "client" end and a "server" end, running on its own thread.
class RunningLine {
public:
    explicit RunningLine(std::chrono::nanoseconds delay)
        : client_(PacketPair()), server_(PacketPair()), stop_(::eventfd(0, EFD_CLOEXEC)),
          line_(client_.far.Get(), server_.far.Get(), delay), thread_([this] { line_.Run(stop_.Get()); }) {}
    ~RunningLine() { Stop(); }

    void Stop() {
        if (!thread_.joinable()) return;
        const std::uint64_t one = 1;
        EXPECT_EQ(::write(stop_.Get(), &one, sizeof one), static_cast<ssize_t>(sizeof one));
        thread_.join();
    }
    int Client() const { return client_.near.Get(); }
    int Server() const { return server_.near.Get(); }
    const DelayLine& Line() const { return line_; }

private:
    Pair client_;
    Pair server_;
    UniqueFd stop_;
    DelayLine line_;
    std::thread thread_;
};

void Send(int fd, const std::string& packet) {
    ASSERT_EQ(::send(fd, packet.data(), packet.size(), 0), static_cast<ssize_t>(packet.size()));
}

// The next packet at fd; empty when none comes within two seconds.
std::string Receive(int fd) {
    pollfd ready{fd, POLLIN, 0};
    if (::poll(&ready, 1, 2000) != 1) return {};
    std::string packet(70000, '\0');
    const ssize_t length = ::recv(fd, packet.data(), packet.size(), 0);
    packet.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return packet;
}

TEST(DelayLine, EachWayAPacketArrivesWholeAfterTheDelayAndNotMuchLater) {
    RunningLine line(20ms);
    for (const auto& [from, to] : {std::pair{line.Client(), line.Server()}, std::pair{line.Server(), line.Client()}}) {
        const std::string packet(1400, 'p');
        const auto sent = Clock::now();
        Send(from, packet);
        EXPECT_EQ(Receive(to), packet);
        const auto took = Clock::now() - sent;
        EXPECT_GE(took, 20ms);
        EXPECT_LT(took, 500ms) << "a busy machine may be late, but not by this much";
    }
}

TEST(DelayLine, ABurstBothWaysArrivesCompleteAndInOrder) {
    RunningLine line(1ms);
    constexpr int kPackets = 100; // more than the line takes from one end per wake-up
    for (int i = 0; i < kPackets; ++i) {
        Send(line.Client(), "up " + std::to_string(i));
        Send(line.Server(), "down " + std::to_string(i));
    }
    for (int i = 0; i < kPackets; ++i) {
        ASSERT_EQ(Receive(line.Server()), "up " + std::to_string(i));
        ASSERT_EQ(Receive(line.Client()), "down " + std::to_string(i));
    }
    line.Stop();
    EXPECT_EQ(line.Line().AToB().forwarded, kPackets);
    EXPECT_EQ(line.Line().BToA().forwarded, kPackets);
    EXPECT_EQ(line.Line().AToB().dropped + line.Line().BToA().dropped, 0u);
}

TEST(DelayLine, StopsWhilePacketsStillWait) {
    RunningLine line(10s);
    Send(line.Client(), "never delivered");
    const auto asked = Clock::now();
    line.Stop();
    EXPECT_LT(Clock::now() - asked, 1s);
    EXPECT_EQ(line.Line().AToB().forwarded, 0u);
}

} // namespace
