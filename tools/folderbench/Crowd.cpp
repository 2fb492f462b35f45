#include "Crowd.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace vq::bench {
namespace {

double MillisecondsOf(const Visitor& visit) {
    const auto start = std::chrono::steady_clock::now();
    visit();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A pipe that many processes read: closing its write end lets them all go at once.
struct StartSignal {
    int fds[2];
    StartSignal() {
        if (::pipe(fds) != 0) throw std::runtime_error("pipe failed");
    }
    void Wait() const {
        char c;
        while (::read(fds[0], &c, 1) < 0) {}
    }
    void Give() { ::close(fds[1]); }
};

void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

std::string ReadAllFrom(int fd) {
    std::string text;
    char buf[512];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(n));
    return text;
}

// Runs in the child: says when it is set up and when its first visit is done (one byte each on
// progress, so the parent can start the next step for all at once), and reports each visit's time
// on a line of its own.
[[noreturn]] void RunStation(int index, const std::function<Visitor(int)>& makeVisitor, StartSignal& first,
                             StartSignal& second, int report, int progress) {
    ::close(first.fds[1]);
    ::close(second.fds[1]);
    int steps = 0;
    auto step = [&] {
        WriteAll(progress, "x");
        ++steps;
    };
    std::string line;
    try {
        const Visitor visit = makeVisitor(index);
        step();
        first.Wait();
        WriteAll(report, std::to_string(MillisecondsOf(visit)) + "\n");
        step();
        second.Wait();
        line = std::to_string(MillisecondsOf(visit)) + "\n";
    } catch (const std::exception& e) {
        line = std::string("error ") + e.what() + "\n";
        while (steps < 2) step();
    }
    WriteAll(report, line);
    ::_exit(0);
}

CrowdTimes ParseReport(const std::string& text) {
    CrowdTimes times;
    const std::size_t error = text.find("error ");
    if (error != std::string::npos) {
        times.error = text.substr(error + 6);
        return times;
    }
    if (std::sscanf(text.c_str(), "%lf\n%lf", &times.coldMs, &times.warmMs) != 2) times.error = "no report";
    return times;
}

} // namespace

std::vector<CrowdTimes> VisitTogether(int stations, const std::function<Visitor(int)>& makeVisitor) {
    StartSignal first;
    StartSignal second;
    int progress[2];
    if (::pipe(progress) != 0) throw std::runtime_error("pipe failed");
    std::vector<int> reports;
    std::vector<pid_t> children;
    for (int i = 0; i < stations; ++i) {
        int report[2];
        if (::pipe(report) != 0) throw std::runtime_error("pipe failed");
        const pid_t pid = ::fork();
        if (pid < 0) throw std::runtime_error("fork failed");
        if (pid == 0) {
            ::close(report[0]);
            ::close(progress[0]);
            RunStation(i, makeVisitor, first, second, report[1], progress[1]);
        }
        ::close(report[1]);
        reports.push_back(report[0]);
        children.push_back(pid);
    }
    ::close(progress[1]);
    auto waitForAll = [&] {
        char c;
        for (int i = 0; i < stations; ++i) (void)::read(progress[0], &c, 1);
    };
    waitForAll(); // set up
    first.Give();
    waitForAll(); // first visits made
    second.Give();
    ::close(progress[0]);
    std::vector<CrowdTimes> times;
    for (int fd : reports) {
        times.push_back(ParseReport(ReadAllFrom(fd)));
        ::close(fd);
    }
    for (pid_t pid : children) ::waitpid(pid, nullptr, 0);
    return times;
}

} // namespace vq::bench
