// The board and the timeline of a busy classroom: 100,000 posts from forty stations. Each page case
// also reports how long just reading the data file takes and the ratio of the two, because a visit
// must stay close to the cost of the read it cannot avoid.

#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/Files.h"
#include "platform/SystemInfo.h"
#include "platform/Text.h"
#include "platform/fake/FakeBrowser.h"
#include "shell/Phone.h"
#include "site/PageHandler.h"
#include "site/VirtualSite.h"
#include "sites/BulletinBoard.h"
#include "sites/SocialPage.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kPosts = 100'000;
constexpr int kStations = 40;

const char* const kNames[] = {"ゆうき", "はると", "さくら", "そうた", "ひなた", "りん", "けんた", "みお"};
const char* const kTexts[] = {
    "今日の体育、持久走だったけど最後まで走りきれた！",
    "明日の数学の小テスト、範囲どこまでだっけ？",
    "<b>太字</b>にしたつもりの投稿",
    "昼休みにみんなでドッジボールしよう\\nグラウンドに集合ね",
    "図書室に新しい本が入ってたよ。おすすめはミステリー",
    "ありがとう！",
};

// A classroom folder with one station's files and a board and timeline of kPosts posts each.
class BusyClassroom {
public:
    BusyClassroom() : root_(fs::temp_directory_path() / ("vqbench-sites-" + std::to_string(::getpid()))) {
        fs::remove_all(root_);
        for (const char* folder : {"bbs", "sns", "log"}) fs::create_directories(root_ / "data" / folder);
        const std::string posts = Posts();
        Write("bbs/bbsData.dat", posts);
        Write("sns/snsData.dat", posts);
        Write("log/log_PC07.dat", "\r\n");
        Write("bbs/bbs.html", vq::Utf8ToCp932(Template("みんなの掲示板", "<table><!--velquinLAN--></table>")));
        Write("sns/sns.html", vq::Utf8ToCp932(Template("つぶやきタイムライン", "<!--velquinLAN-->")));
    }
    ~BusyClassroom() { fs::remove_all(root_); }
    BusyClassroom(const BusyClassroom&) = delete;
    BusyClassroom& operator=(const BusyClassroom&) = delete;

    [[nodiscard]] std::string Root() const { return root_.string(); }
    [[nodiscard]] std::string Data(const std::string& relative) const { return (root_ / "data" / relative).string(); }

private:
    static std::string Posts() {
        std::string posts = "\r\n";
        for (int i = 0; i < kPosts; ++i) {
            char station[8];
            std::snprintf(station, sizeof station, "PC%02d", i % kStations + 1);
            const std::string utf8 = std::string(station) + "#c#192.168.0." + std::to_string(i % kStations + 11) +
                                     "#c#2026/12/07 9:" + std::to_string(10 + i % 50) + ":00#c#" + kNames[i % 8] +
                                     "#c#" + kTexts[i % 6];
            posts += vq::Utf8ToCp932(utf8) + "\r\n";
        }
        return posts;
    }
    static std::string Template(const std::string& title, const std::string& list) {
        return "<!DOCTYPE html><html lang=\"ja\"><head><meta charset=\"Shift_JIS\"><title>" + title +
               "</title></head><body><h1>" + title + "</h1><form><input><textarea></textarea></form>"
               "<p><!--velquinName--></p>" + list + "</body></html>\r\n";
    }
    void Write(const std::string& relative, const std::string& bytes) const {
        std::ofstream(root_ / "data" / relative, std::ios::binary) << bytes;
    }

    fs::path root_;
};

// One station of that classroom, called the way the dispatcher calls a page handler.
struct BenchStation {
    explicit BenchStation(const BusyClassroom& classroom)
        : system(classroom.Root(), "PC07", "192.168.0.17"),
          phone(vq::PhoneServices{browser, clock, errors, system, nullptr, 1}) {
        phone.DataRoot = classroom.Root() + "/data/";
        phone.StationName = "PC07";
        phone.StationAddress = "192.168.0.17";
    }
    void Visit(vq::PageHandler handler, const std::string& page) {
        phone.site.GenerationGuard = 1;
        phone.site.PageBuffer.clear();
        handler(phone, std::string(vq::VirtualSiteRoot) + page);
        phone.sites.BoardShown = 0;
        phone.sites.ChatShown = 0;
        if (!errors.messages.empty()) throw std::runtime_error(errors.messages.front());
    }

    vq::FakeBrowser browser;
    vq::ManualClock clock;
    vq::RecordingErrorReporter errors;
    vq::FixedSystemInfo system;
    vq::Phone phone;
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
    BenchStation station(classroom);
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
