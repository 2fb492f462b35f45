// The profile pages of a classroom after a term: 1,000 profiles and 50,000 view files. Each page
// case also reports the time of just listing the two folders and reading the profiles' data files,
// the work a page cannot avoid, and the ratio of the two.

#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/SystemInfo.h"
#include "platform/Text.h"
#include "platform/fake/FakeBrowser.h"
#include "shell/Phone.h"
#include "site/VirtualSite.h"
#include "sites/profile/ProfileHandlers.h"
#include "sites/profile/ProfileStore.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kProfiles = 1'000;
constexpr int kViews = 50'000;
constexpr int kStations = 40;

const char* const kNames[] = {"ゆうき", "はると", "さくら", "そうた", "ひなた", "りん", "けんた", "みお"};
const char* const kAnswers[] = {"サッカー", "ピアノ", "ねこ", "カレーライス", "青", "夏", "マンガ", "ゲーム"};

std::string StationName(int n) {
    char name[8];
    std::snprintf(name, sizeof name, "PC%02d", n % kStations + 1);
    return name;
}

std::string Stamp(int secondsAfterNine, int station) {
    vq::LocalDateTime t;
    const int seconds = 9 * 3600 + secondsAfterNine % (14 * 3600);
    t.hour = seconds / 3600;
    t.minute = seconds / 60 % 60;
    t.second = seconds % 60;
    return vq::SixDigitTime(t) + StationName(station);
}

// A classroom folder with the profiles, their pages, data and counter files, and the templates.
class ProfileClassroom {
public:
    ProfileClassroom() : root_(fs::temp_directory_path() / ("vqbench-profile-" + std::to_string(::getpid()))) {
        fs::remove_all(root_);
        for (const char* folder : {"prof", "prof_html", "prof_edit", "prof_counter", "log"})
            fs::create_directories(root_ / "data" / folder);
        std::mt19937 random(5);
        for (int i = 0; i < kProfiles; ++i) {
            ids_.push_back(Stamp(i * 37, i));
            WriteProfile(ids_.back(), i);
        }
        for (int v = 0; v < kViews; ++v) {
            // Some profiles are far more popular than others.
            const auto profile = static_cast<std::size_t>(std::min(random() % kProfiles, random() % kProfiles));
            Write(vq::ViewFilePath(ids_[profile], Stamp(static_cast<int>(random() % 50'000), static_cast<int>(random()))), "\r\n");
        }
        const std::string list = "<table><!--velquinLAN--></table>";
        Write("prof/prof_list.html", Template("みんなのプロフ", list));
        Write("prof/prof_best.html", Template("プロフランキング", list));
        Write("prof/prof_search2.html", Template("プロフをさがす", "<p><!--velquinLAN2--></p>" + list));
        Write("prof/prof_top.html", Template("プロフ", "<form><input name=\"keyword\"></form>"));
    }
    ~ProfileClassroom() { fs::remove_all(root_); }
    ProfileClassroom(const ProfileClassroom&) = delete;
    ProfileClassroom& operator=(const ProfileClassroom&) = delete;

    [[nodiscard]] std::string Root() const { return root_.string(); }
    [[nodiscard]] std::string Data(const std::string& relative) const { return (root_ / "data" / relative).string(); }
    [[nodiscard]] const std::vector<std::string>& Ids() const { return ids_; }

private:
    void WriteProfile(const std::string& id, int i) {
        std::string data = StationName(i) + "\r\nprof/illustration/illustration0" + std::to_string(i % 10) +
                           ".jpg\r\npw" + std::to_string(i) + "\r\n" + vq::Utf8ToCp932(kNames[i % 8]) + std::to_string(i) + "\r\n";
        std::string rows;
        for (int slot = 2; slot < 31; ++slot) {
            // Two answers from the list, so a keyword of it is in about a quarter of the profiles.
            const std::string answer = slot < 4    ? vq::Utf8ToCp932(kAnswers[(i * 2 + slot) % 8])
                                       : slot < 12 ? vq::Utf8ToCp932("よろしくね")
                                                   : "";
            data += answer + "\r\n";
            if (!answer.empty()) rows += "<tr><td>" + answer + "</td></tr>";
        }
        Write(vq::ProfileDataPath(id), data);
        Write(vq::StoredPagePath(id), Template("プロフ", "<table border=\"0\">" + rows + "</table>"));
        Write(vq::BaseCounterPath(id), "\r\n");
    }
    static std::string Template(const std::string& title, const std::string& body) {
        return vq::Utf8ToCp932("<!DOCTYPE html><html lang=\"ja\"><head><meta charset=\"Shift_JIS\"><title>" + title +
                               "</title></head><body><h1>" + title + "</h1>") +
               body + "</body></html>\r\n";
    }
    void Write(const std::string& relative, const std::string& content) { vq::RewriteFile(Data(relative), content); }

    fs::path root_;
    std::vector<std::string> ids_;
};

ProfileClassroom& Classroom() {
    static ProfileClassroom classroom;
    return classroom;
}

// One station looking at the pages; its state is set as start-up would set it.
struct Viewer {
    Viewer()
        : system(Classroom().Root(), "PC07", "192.168.0.17"),
          phone(vq::PhoneServices{browser, clock, errors, system, nullptr, 1}) {
        phone.DataRoot = Classroom().Root() + "/data/";
        phone.StationName = "PC07";
        phone.StationAddress = "192.168.0.17";
        browser.Open(Classroom().Data("prof/prof_top.html"));
        browser.RunLoop();
        browser.Fill(0, u"ピアノ"); // in about a quarter of the profiles
    }
    vq::FakeBrowser browser;
    vq::ManualClock clock;
    vq::RecordingErrorReporter errors;
    vq::FixedSystemInfo system;
    vq::Phone phone;
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

void RunPage(benchmark::State& state, void (*handler)(vq::Phone&, const std::string&), const std::string& page) {
    Viewer viewer;
    const std::string address = std::string(vq::VirtualSiteRoot) + page;
    const double baseline = Seconds(EnumerateAndRead, 5);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        viewer.phone.site.GenerationGuard = 1;
        viewer.phone.site.PageBuffer.clear();
        handler(viewer.phone, address);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (!viewer.errors.messages.empty()) state.SkipWithError(viewer.errors.messages.front().c_str());
    state.counters["baseline_ms"] = baseline * 1000;
    state.counters["ratio"] = total / static_cast<double>(state.iterations()) / baseline;
    state.counters["page_kB"] = static_cast<double>(vq::ReadAll(Classroom().Data("prof/tmpPC07.html")).size()) / 1000;
}

void BM_ListPage(benchmark::State& state) { RunPage(state, vq::ProfileList, "prof_list.html"); }
void BM_RankingPage(benchmark::State& state) { RunPage(state, vq::ProfileRanking, "prof_best.html"); }
void BM_SearchPage(benchmark::State& state) { RunPage(state, vq::ProfileSearch, "prof_search2.html"); }

BENCHMARK(BM_EnumerateAndRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RankingPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchPage)->Unit(benchmark::kMillisecond);

} // namespace
