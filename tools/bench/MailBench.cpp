// What a poll of the own inbox costs on a classroom of forty stations: with nothing waiting, and
// with a thousand mails waiting (a pupil who signed up for spam many times). "x_read" is the ratio to
// just listing the inbox folder and reading the inbox file.

#include "mail/MailDelivery.h"
#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/Files.h"
#include "platform/SystemInfo.h"
#include "platform/Text.h"
#include "platform/fake/FakeBrowser.h"
#include "shell/Phone.h"

#include "BenchTiming.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using vqbench::Clock;
using vqbench::Nanoseconds;

constexpr int kStations = 40;

// A classroom folder with forty inboxes and one phone, PC01, on it.
class BenchClassroom {
public:
    BenchClassroom()
        : root_(fs::temp_directory_path() / ("vqbench-mail-" + std::to_string(::getpid()))),
          system_(root_.string(), "PC01", "10.0.0.1"),
          phone_(vq::PhoneServices{browser_, clock_, errors_, system_, nullptr, 1}) {
        for (const char* folder : {"mail_box", "mail_log", "log"}) fs::create_directories(root_ / "data" / folder);
        phone_.DataRoot = root_.string() + "/data/";
        phone_.StationName = "PC01";
        phone_.StationAddress = "10.0.0.1";
        for (int i = 1; i <= kStations; ++i) vq::RewriteFile(phone_.DataPath(Inbox(i)), "\r\n");
        vq::RewriteFile(phone_.DataPath("log/log_PC01.dat"), "\r\n");
    }
    ~BenchClassroom() { fs::remove_all(root_); }

    void FillOwnInbox(int mails) {
        std::string content = "\r\n";
        for (int i = 0; i < mails; ++i)
            content += "PC02#c#10.0.0.2#c#2026/12/07 9:00:00#c#PC01#c#件名 " + std::to_string(i) +
                       "#c#今日の宿題は、教科書の三十二ページです。\r\n";
        vq::RewriteFile(phone_.DataPath("mail_box/log_PC01.dat"), vq::Utf8ToCp932(content));
        phone_.mail.ReceivedCount = 0;
        vq::RewriteFile(phone_.DataPath("log/log_PC01.dat"), "\r\n");
    }
    // What any poll has to do at least: list the folder and read the file.
    void ReadOnly() {
        benchmark::DoNotOptimize(vq::ListFiles(phone_.DataPath("mail_box")));
        benchmark::DoNotOptimize(vq::ReadLines(phone_.DataPath("mail_box/log_PC01.dat")));
    }
    vq::Phone& phone() { return phone_; }
    bool Failed() const { return !errors_.messages.empty(); }

private:
    static std::string Inbox(int station) {
        return "mail_box/log_PC" + std::string(station < 10 ? "0" : "") + std::to_string(station) + ".dat";
    }

    fs::path root_;
    vq::FakeBrowser browser_;
    vq::ManualClock clock_;
    vq::RecordingErrorReporter errors_;
    vq::FixedSystemInfo system_;
    vq::Phone phone_;
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
