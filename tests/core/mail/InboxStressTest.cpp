#include "mail/InboxFile.h"
#include "platform/Files.h"
#include "platform/LockedFile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Several processes append to one inbox while its owner keeps taking it, as the stations of a
// classroom do. Every record carries its writer, its number and a body that can be checked, so a
// lost, repeated, reordered or torn record shows.

namespace {

using Take = std::function<std::string(const std::string&)>;

constexpr int kWriters = 4;
constexpr int kRecordsPerWriter = 2500;

std::size_t BodySize(int writer, int seq) {
    return (static_cast<std::size_t>(seq) * 2654435761u + static_cast<std::size_t>(writer) * 97u) % 4000u + 1u;
}

std::string Body(int writer, int seq) {
    std::string body(BodySize(writer, seq), ' ');
    for (std::size_t i = 0; i < body.size(); ++i)
        body[i] = static_cast<char>('a' + (static_cast<std::size_t>(writer * 7 + seq * 13) + i) % 26);
    return body;
}

std::string Record(int writer, int seq) {
    return "W" + std::to_string(writer) + "#c#" + std::to_string(seq) + "#c#" + Body(writer, seq);
}

struct Tally {
    long acknowledged = 0;
    long arrived = 0;
    long lost = 0;
    long repeated = 0;
    long reordered = 0;
    long torn = 0;
    double seconds = 0;
};

// A writer appends until done or until an append fails; a record counts as acknowledged when its
// append has returned. It reports how many were.
[[noreturn]] void RunWriter(const std::string& inbox, int writer, int goFd, int reportFd) {
    char go = 0;
    const ssize_t started = ::read(goFd, &go, 1); // all writers start together, once the owner is taking
    (void)started;
    int acknowledged = 0;
    try {
        for (int seq = 0; seq < kRecordsPerWriter; ++seq) {
            if (!vq::AppendToInbox(inbox, Record(writer, seq))) break;
            acknowledged = seq + 1;
        }
    } catch (...) {
    }
    const int report[2] = {writer, acknowledged};
    const ssize_t ignored = ::write(reportFd, report, sizeof report);
    (void)ignored;
    ::_exit(0);
}

void CheckLine(const std::string& line, std::vector<int>& next, Tally& tally) {
    const std::size_t a = line.find("#c#");
    const std::size_t b = a == std::string::npos ? a : line.find("#c#", a + 3);
    int writer = -1;
    int seq = -1;
    if (b != std::string::npos && line[0] == 'W') {
        writer = std::atoi(line.substr(1, a - 1).c_str());
        seq = std::atoi(line.substr(a + 3, b - a - 3).c_str());
    }
    if (writer < 0 || writer >= kWriters || seq < 0 || line.substr(b + 3) != Body(writer, seq)) {
        ++tally.torn;
        return;
    }
    ++tally.arrived;
    int& expected = next[static_cast<std::size_t>(writer)];
    if (seq < expected) {
        ++tally.repeated;
    } else {
        if (seq > expected) ++tally.reordered;
        tally.lost += seq - expected;
        expected = seq + 1;
    }
}

Tally RunClassroom(const Take& take) {
    const std::string inbox = (std::filesystem::temp_directory_path() /
                               ("vq-inbox-stress-" + std::to_string(::getpid()) + ".dat")).string();
    vq::RewriteFile(inbox, "\r\n");
    int fds[2];
    int go[2];
    if (::pipe(fds) != 0 || ::pipe(go) != 0) throw std::runtime_error("pipe");
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) RunWriter(inbox, w, go[0], fds[1]);
        children.push_back(pid);
    }
    ::close(fds[1]);
    ::close(go[0]);

    std::string taken = take(inbox);
    const auto start = std::chrono::steady_clock::now();
    const std::string signal(kWriters, 'g');
    if (::write(go[1], signal.data(), signal.size()) != static_cast<ssize_t>(signal.size())) throw std::runtime_error("go");
    ::close(go[1]);
    for (std::size_t running = children.size(); running > 0;) {
        taken += take(inbox);
        for (pid_t& pid : children)
            if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == pid) {
                pid = 0;
                --running;
            }
    }
    taken += take(inbox);

    Tally tally;
    tally.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::vector<int> acknowledged(kWriters, 0);
    for (int report[2]; ::read(fds[0], report, sizeof report) == sizeof report;)
        acknowledged[static_cast<std::size_t>(report[0])] = report[1];
    ::close(fds[0]);
    std::filesystem::remove(inbox);

    std::vector<int> next(kWriters, 0);
    for (const std::string& line : vq::SplitLines(taken))
        if (!line.empty()) CheckLine(line, next, tally);
    for (int w = 0; w < kWriters; ++w) {
        tally.acknowledged += acknowledged[static_cast<std::size_t>(w)];
        tally.lost += std::max(0, acknowledged[static_cast<std::size_t>(w)] - next[static_cast<std::size_t>(w)]);
    }
    return tally;
}

// The take as first described: read the file, log every mail that was in it, then rewrite the file
// as one empty line. What another station appends in between is gone.
std::string ReadLogThenRewrite(const std::string& inbox) {
    const std::string log = inbox + ".log";
    vq::CreateIfMissing(log, "");
    std::string content = vq::ReadAll(inbox);
    for (const std::string& line : vq::SplitLines(content))
        if (!line.empty()) vq::AppendSharedLineOrFail(log, "PC01,10.0.0.1,2026/12/07 9:00:00,メール受信,");
    vq::RewriteFile(inbox, "\r\n");
    return content;
}

} // namespace

TEST(InboxStress, EveryAcknowledgedRecordArrivesOnceWholeAndInItsWritersOrder) {
    const Tally t = RunClassroom([](const std::string& inbox) { return vq::TakeInboxContent(inbox).value(); });
    EXPECT_EQ(t.acknowledged, long{kWriters} * kRecordsPerWriter);
    EXPECT_EQ(t.arrived, t.acknowledged);
    EXPECT_EQ(t.lost, 0);
    EXPECT_EQ(t.repeated, 0);
    EXPECT_EQ(t.reordered, 0);
    EXPECT_EQ(t.torn, 0);
    std::printf("[stress] %d writer processes, %ld records, %ld lost, %.0f records/s\n", kWriters, t.arrived, t.lost,
                static_cast<double>(t.arrived) / t.seconds);
}

TEST(InboxStress, ThePlainReadThenRewriteTakeIsSeenLosingRecords) {
    // The loss depends on how the processes happen to be scheduled; a few runs make it certain.
    Tally t;
    for (int run = 0; run < 5 && t.lost == 0; ++run) t = RunClassroom(ReadLogThenRewrite);
    std::filesystem::remove(std::filesystem::temp_directory_path() /
                            ("vq-inbox-stress-" + std::to_string(::getpid()) + ".dat.log"));
    EXPECT_GT(t.lost, 0) << "the test could not see the lost-update fault it exists to catch";
    std::printf("[stress] read-then-rewrite lost %ld of %ld records\n", t.lost, t.acknowledged);
}
