// vqdelayline: a user-space link with a fixed one-way delay between two TUN devices, which may lie in
// different network namespaces. It stands in for the kernel's netem queue, which not every kernel has.
//
//   vqdelayline [--delay-us N] DEVICE [--netns NAME] DEVICE
//
// A --netns applies to the devices named after it. SIGTERM or SIGINT ends the line; it then prints
// how many packets it forwarded and dropped in each direction.

#include "DelayLine.h"
#include "TunDevice.h"

#include <signal.h>
#include <sys/signalfd.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

namespace {

using namespace vq::delayline;

struct Options {
    long delayMicroseconds = 550;
    std::vector<UniqueFd> ends;
};

int Usage() {
    std::fputs("usage: vqdelayline [--delay-us N] DEVICE [--netns NAME] DEVICE\n", stderr);
    return 2;
}

bool ParseMicroseconds(const char* text, long& value) {
    const char* end = text + std::strlen(text);
    const auto [last, error] = std::from_chars(text, end, value);
    return error == std::errc() && last == end && value >= 0 && value <= 10'000'000;
}

// Attaching as the arguments go lets each device be opened in the namespace named before it.
bool Parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--delay-us" || arg == "--netns") && i + 1 == argc) return false;
        if (arg == "--delay-us") {
            if (!ParseMicroseconds(argv[++i], options.delayMicroseconds)) return false;
        } else if (arg == "--netns") {
            EnterNetworkNamespace(argv[++i]);
        } else if (arg.starts_with("-")) {
            return false;
        } else {
            options.ends.push_back(AttachTun(arg));
        }
    }
    return options.ends.size() == 2;
}

// A descriptor that becomes readable when the line is asked to stop.
UniqueFd StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) < 0) throw std::system_error(errno, std::generic_category(), "sigprocmask");
    UniqueFd fd(::signalfd(-1, &signals, SFD_CLOEXEC));
    if (fd.Get() < 0) throw std::system_error(errno, std::generic_category(), "signalfd");
    return fd;
}

void PrintCounts(const char* name, const DelayLine::Counts& counts) {
    std::fprintf(stderr, "vqdelayline: %s %llu forwarded, %llu dropped\n", name,
                 static_cast<unsigned long long>(counts.forwarded), static_cast<unsigned long long>(counts.dropped));
}

} // namespace

int main(int argc, char** argv) {
    try {
        const UniqueFd stop = StopSignals();
        Options options;
        if (!Parse(argc, argv, options)) return Usage();
        DelayLine line(options.ends[0].Get(), options.ends[1].Get(), std::chrono::microseconds(options.delayMicroseconds));
        std::fprintf(stderr, "vqdelayline: forwarding, %ld µs each way\n", options.delayMicroseconds);
        line.Run(stop.Get());
        PrintCounts("first to second:", line.AToB());
        PrintCounts("second to first:", line.BToA());
        return 0;
    } catch (const std::system_error& error) {
        std::fprintf(stderr, "vqdelayline: %s\n", error.what());
        return 1;
    }
}
