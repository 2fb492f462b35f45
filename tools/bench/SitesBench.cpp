// The board and the timeline of a busy classroom: 100,000 posts from forty stations. Each page case
// also reports how long just reading the data file takes and the ratio of the two, because a visit
// must stay close to the cost of the read it cannot avoid.

#include "BenchClassroom.h"
#include "BenchFiles.h"
#include "BenchStation.h"
#include "platform/Files.h"
#include "site/PageHandler.h"
#include "sites/BulletinBoard.h"
#include "sites/SocialPage.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

namespace {

constexpr int kPosts = 100'000;

// A classroom folder with kPosts posts on the board and the timeline each.
class BusyClassroom {
public:
    BusyClassroom() { vq::bench::FillBoardAndTimeline(folder_.Path(), kPosts); }
    [[nodiscard]] const std::filesystem::path& Root() const { return folder_.Path(); }
    [[nodiscard]] std::string Data(const std::string& relative) const { return (Root() / "data" / relative).string(); }

private:
    vq::bench::ScratchFolder folder_;
};

double Milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2), times.end());
    return times[times.size() / 2];
}

// The median time of several runs of read.
template <typename Read>
double ReadMilliseconds(Read read) {
    std::vector<double> times;
    for (int i = 0; i < 15; ++i) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(read());
        times.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
    }
    return Median(times);
}

void PageCase(benchmark::State& state, vq::PageHandler handler, const std::string& page, const std::string& file) {
    const BusyClassroom classroom;
    vq::bench::BenchStation station(classroom.Root());
    const std::string path = classroom.Data(file);
    // The file in one piece (the least any visit must do) and as lines (as the other readers read it).
    const double readMs = ReadMilliseconds([&] { return vq::ReadAll(path); });
    const double linesMs = ReadMilliseconds([&] { return vq::ReadLines(path); });
    std::vector<double> pageTimes;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        station.Visit(handler, page);
        pageTimes.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
    }
    const double pageMs = Median(pageTimes);
    state.counters["read_ms"] = readMs;
    state.counters["lines_ms"] = linesMs;
    state.counters["page_ms"] = pageMs;
    state.counters["ratio"] = pageMs / readMs;
    state.counters["ratio_lines"] = pageMs / linesMs;
}

void BoardPage(benchmark::State& state) { PageCase(state, vq::ShowBulletinBoard, "bbs.html", "bbs/bbsData.dat"); }
void TimelinePage(benchmark::State& state) { PageCase(state, vq::ShowSocialPage, "sns.html", "sns/snsData.dat"); }

} // namespace

BENCHMARK(BoardPage)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(TimelinePage)->Unit(benchmark::kMillisecond)->MinTime(2.0);
