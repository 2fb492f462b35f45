// What a poll of the own inbox costs on a classroom of forty stations: with nothing waiting, and
// with a thousand mails waiting (a pupil who signed up for spam many times). "x_read" is the ratio to
// just listing the inbox folder and reading the inbox file.

#include "BenchClassroom.h"
#include "BenchFiles.h"
#include "BenchStation.h"
#include "BenchTiming.h"
#include "mail/MailDelivery.h"
#include "platform/Files.h"
#include "platform/Text.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using vqbench::Clock;
using vqbench::Nanoseconds;

const std::filesystem::path& WithInboxes(const vq::bench::ScratchFolder& folder) {
    vq::bench::FillInboxes(folder.Path());
    return folder.Path();
}

// A classroom folder with forty inboxes and one phone, PC01, on it.
class BenchClassroom {
public:
    BenchClassroom() : station_(WithInboxes(folder_), "PC01", "10.0.0.1") {}

    void FillOwnInbox(int mails) {
        std::string content = "\r\n";
        for (int i = 0; i < mails; ++i)
            content += "PC02#c#10.0.0.2#c#2026/12/07 9:00:00#c#PC01#c#件名 " + std::to_string(i) +
                       "#c#今日の宿題は、教科書の三十二ページです。\r\n";
        vq::RewriteFile(phone().DataPath("mail_box/log_PC01.dat"), vq::Utf8ToCp932(content));
        phone().mail.ReceivedCount = 0;
        vq::RewriteFile(phone().DataPath("log/log_PC01.dat"), "\r\n");
    }
    // What any poll has to do at least: list the folder and read the file.
    void ReadOnly() {
        benchmark::DoNotOptimize(vq::ListFiles(phone().DataPath("mail_box")));
        benchmark::DoNotOptimize(vq::ReadLines(phone().DataPath("mail_box/log_PC01.dat")));
    }
    vq::Phone& phone() { return station_.phone; }
    bool Failed() const { return !station_.errors.messages.empty(); }

private:
    vq::bench::ScratchFolder folder_;
    vq::bench::BenchStation station_;
};

double MedianReadCost(BenchClassroom& room, int waiting) {
    room.FillOwnInbox(waiting);
    return vqbench::MedianNanoseconds([&] { room.ReadOnly(); });
}

void BM_PollMail(benchmark::State& state) {
    const int waiting = static_cast<int>(state.range(0));
    BenchClassroom room;
    const double readNs = MedianReadCost(room, waiting);
    double pollNs = 0;
    for (auto _ : state) {
        if (waiting > 0) {
            state.PauseTiming();
            room.FillOwnInbox(waiting);
            state.ResumeTiming();
        }
        const auto start = Clock::now();
        vq::PollMail(room.phone());
        pollNs += Nanoseconds(Clock::now() - start);
    }
    if (room.Failed()) state.SkipWithError("the poll reported an error");
    if (waiting > 0 && room.phone().mail.ReceivedCount != waiting) state.SkipWithError("mail went missing");
    state.counters["x_read"] = pollNs / static_cast<double>(state.iterations()) / readNs;
    state.counters["mails"] = waiting;
}

} // namespace

BENCHMARK(BM_PollMail)->Arg(0)->Arg(1000)->Unit(benchmark::kMicrosecond);
