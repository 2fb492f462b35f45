// The profile pages of a classroom after a term: 1,000 profiles and 50,000 view files. Each page
// case also reports the time of just listing the two folders and reading the profiles' data files,
// the work a page cannot avoid, and the ratio of the two.

#include "BenchClassroom.h"
#include "BenchFiles.h"
#include "BenchStation.h"
#include "platform/FileNames.h"
#include "platform/Files.h"
#include "site/PageHandler.h"
#include "sites/profile/ProfileHandlers.h"
#include "sites/profile/ProfileStore.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

constexpr int kProfiles = 1'000;
constexpr int kViews = 50'000;

// A classroom folder with the profiles, their pages, data and counter files, and the templates.
class ProfileClassroom {
public:
    ProfileClassroom() { vq::bench::FillProfiles(folder_.Path(), kProfiles, kViews); }

    [[nodiscard]] const std::filesystem::path& Root() const { return folder_.Path(); }
    [[nodiscard]] std::string Data(const std::string& relative) const { return (Root() / "data" / relative).string(); }

private:
    vq::bench::ScratchFolder folder_;
};

ProfileClassroom& Classroom() {
    static ProfileClassroom classroom;
    return classroom;
}

// One station looking at the pages, with a keyword typed into the search form.
struct Viewer : vq::bench::BenchStation {
    Viewer() : BenchStation(Classroom().Root()) {
        browser.Open(Classroom().Data("prof/prof_top.html"));
        browser.RunLoop();
        browser.Fill(0, u"ピアノ"); // in about a quarter of the profiles
    }
};

// The work no page can avoid: both folders listed, every data file read.
void EnumerateAndRead() {
    const auto pages = vq::ListFiles(Classroom().Data("prof_html"), {}, ".html");
    const auto counters = vq::ListFileNames(Classroom().Data("prof_counter"), {}, ".dat");
    std::size_t bytes = counters.size();
    for (const auto& page : pages)
        bytes += vq::ReadAll(Classroom().Data(vq::ProfileDataPath(page.name.substr(0, page.name.size() - 5)))).size();
    benchmark::DoNotOptimize(bytes);
}

double Seconds(const std::function<void()>& work, int runs) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

void BM_EnumerateAndRead(benchmark::State& state) {
    Classroom();
    for (auto _ : state) EnumerateAndRead();
}

void RunPage(benchmark::State& state, vq::PageHandler handler, const std::string& page) {
    Viewer viewer;
    const double baseline = Seconds(EnumerateAndRead, 5);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        viewer.Visit(handler, page);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (!viewer.errors.messages.empty()) state.SkipWithError(viewer.errors.messages.front().c_str());
    state.counters["baseline_ms"] = baseline * 1000;
    state.counters["ratio"] = total / static_cast<double>(state.iterations()) / baseline;
    state.counters["page_kB"] = static_cast<double>(vq::ReadAll(Classroom().Data("prof/tmpPC07.html")).size()) / 1000;
}

void BM_ListPage(benchmark::State& state) { RunPage(state, vq::ProfileList, "prof_list.html"); }

// A station just started: its first list comes from the whole profile index, not from the files.
void BM_FirstListOfAStation(benchmark::State& state) {
    Classroom();
    for (auto _ : state) {
        Viewer viewer;
        viewer.Visit(vq::ProfileList, "prof_list.html");
    }
}
void BM_RankingPage(benchmark::State& state) { RunPage(state, vq::ProfileRanking, "prof_best.html"); }
void BM_SearchPage(benchmark::State& state) { RunPage(state, vq::ProfileSearch, "prof_search2.html"); }

BENCHMARK(BM_EnumerateAndRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstListOfAStation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RankingPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchPage)->Unit(benchmark::kMillisecond);

} // namespace
