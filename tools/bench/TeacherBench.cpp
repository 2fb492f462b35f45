// What the console's live view costs every few seconds on a class of forty stations, each with a
// lesson of two hundred logged events: a refresh when nothing changed, when one pupil did one thing,
// and the first one that reads everything. "x_list" is the ratio to just listing the log and inbox
// folders with their files' times, the least any view of who is there and what changed must do.
// VQBENCH_TEACHER_FOLDER=DIR makes the class inside DIR instead of the temporary folder, e.g. on the
// share rig's mount (fill through the mount takes a few seconds at 1.1 ms a round trip).

#include "BenchClassroom.h"
#include "BenchFiles.h"
#include "platform/Files.h"
#include "platform/NativePath.h"
#include "platform/Text.h"
#include "teacher/ClassWatcher.h"

#include "BenchTiming.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using vqbench::Clock;
using vqbench::Nanoseconds;

constexpr int kStations = vq::bench::kBenchStations;
constexpr int kEvents = 200;

std::string Station(int i) { return vq::bench::BenchStationName(i); }

// A classroom folder in the middle of a lesson.
class LessonFolder {
public:
    LessonFolder() : folder_(Parent(), "vqbench-teacher"), root_(folder_.Path()) {
        for (const char* folder : {"log", "mail_box", "mail_log", "bbs", "sns", "prof_html", "spam_Mail"})
            fs::create_directories(root_ / "data" / folder);
        std::string board = "\r\n";
        for (int s = 1; s <= kStations; ++s) {
            std::string log = "\r\n";
            for (int e = 0; e < kEvents; ++e)
                log += Station(s) + ",10.0.0." + std::to_string(s) + ",2026/12/07 9:" + std::to_string(10 + e % 50) +
                       ":00," + vq::Utf8ToCp932(e % 3 == 0 ? "電話番号占い,0901234" + std::to_string(e) : "掲示板,") + "\r\n";
            vq::bench::WriteBenchFile(Data("log/log_" + Station(s) + ".dat"), log);
            if (s == 7) pc07_ = log;
            vq::bench::WriteBenchFile(Data("mail_box/log_" + Station(s) + ".dat"), "\r\n");
            vq::bench::WriteBenchFile(Data("mail_log/log_" + Station(s) + ".dat"), "\r\n");
            board += Station(s) + "#c#10.0.0.1#c#2026/12/07 9:30:00#c#name#c#" + vq::Utf8ToCp932("こんにちは") + "\r\n";
        }
        vq::bench::WriteBenchFile(Data("bbs/bbsData.dat"), board);
        vq::bench::WriteBenchFile(Data("sns/snsData.dat"), "\r\n");
        vq::bench::WriteBenchFile(Data("spam_Mail/spam_Mail.txt"), "a#c#b\r\n");
    }

    std::string Root() const { return vq::FromNativeName(root_.string()); }
    std::string Data(const std::string& relative) const { return (root_ / "data" / relative).string(); }
    // Written whole, not appended: the share rig's SMB client refuses write-only handles.
    void OnePupilActs(int n) {
        pc07_ += "PC07,10.0.0.7,2026/12/07 9:59:00," + vq::Utf8ToCp932("掲示板,") + std::to_string(n) + "\r\n";
        vq::bench::WriteBenchFile(Data("log/log_PC07.dat"), pc07_);
    }
    void ListOnly() const {
        benchmark::DoNotOptimize(vq::ListFiles(Data("log")));
        benchmark::DoNotOptimize(vq::ListFiles(Data("mail_box")));
    }

private:
    static fs::path Parent() {
        const char* chosen = std::getenv("VQBENCH_TEACHER_FOLDER");
        return chosen && *chosen ? fs::path(chosen) : fs::temp_directory_path();
    }

    vq::bench::ScratchFolder folder_;
    fs::path root_;
    std::string pc07_;
};

enum Change { kNothing, kOneEvent, kFirstRead };

void BM_ClassRefresh(benchmark::State& state) {
    const auto change = static_cast<Change>(state.range(0));
    LessonFolder folder;
    const double listNs = vqbench::MedianNanoseconds([&] { folder.ListOnly(); });
    auto watcher = std::make_unique<vq::ClassWatcher>(vq::ClassroomFolder::Open(folder.Root()));
    watcher->Refresh();
    double refreshNs = 0;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (change == kOneEvent) folder.OnePupilActs(++n);
        if (change == kFirstRead) watcher = std::make_unique<vq::ClassWatcher>(vq::ClassroomFolder::Open(folder.Root()));
        state.ResumeTiming();
        const auto start = Clock::now();
        benchmark::DoNotOptimize(watcher->Refresh());
        refreshNs += Nanoseconds(Clock::now() - start);
    }
    if (watcher->Snapshot().stations.size() != kStations) state.SkipWithError("stations went missing");
    state.counters["x_list"] = refreshNs / static_cast<double>(state.iterations()) / listNs;
}

} // namespace

BENCHMARK(BM_ClassRefresh)->ArgName("change")->Arg(kNothing)->Arg(kOneEvent)->Arg(kFirstRead)->Unit(benchmark::kMicrosecond);
