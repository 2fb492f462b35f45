// vqfolderbench: how long each page takes one station on a classroom folder, the first visit after
// the phone starts ("cold") and again ("warm"), on the folder given and on a local folder in the
// same run, with the ratio of the two. Meant for a network share (tools/share-rig.sh):
//
//   vqfolderbench [--folder DIR [--fill-via SAME]] [--warm N] [--crowd N [--crowd-via SAME,SAME...]]
//                 [--pages board,timeline,mail,list200,list1000,ranking,list1000-noindex]
//
// The classroom-scale data are written into a new folder inside DIR (by default a local temporary
// folder, which makes every ratio about 1) and removed at the end. Warm is the median of N visits
// (default 3). With the 1,000-profile classroom it also times single file operations there: an
// open, read and close of a small file, a stat, and the listing of the 51,000 counter files.
// Between the warm visits of a profile page another station opens three profiles, as the class goes
// on meanwhile. list1000-noindex is the first visit of all, before any station has written the
// profile index (it reads every file). With --crowd N, N stations (each a process of its own) open
// each profile page at the same moment, cold and then warm, beside the single station's times; with
// --crowd-via they reach DIR through the given other ways in turn (the share rig's other mounts, so
// that each station has an SMB client of its own, as on the PCs of a room).
// Exits with 1 when a page failed; its error is printed under the table.
//
// --fill-via SAME names the same folder as DIR by a faster way, e.g. the server's own folder of a
// share: the data are written there and measured through DIR. Through a share with a round trip of
// 1 ms, writing the 66,000 files one by one takes a quarter of an hour.

#include "BenchClassroom.h"
#include "BenchFiles.h"
#include "BenchStation.h"
#include "Crowd.h"
#include "mail/MailDelivery.h"
#include "platform/FileNames.h"
#include "platform/Files.h"
#include "sites/BulletinBoard.h"
#include "sites/SocialPage.h"
#include "sites/profile/ProfileHandlers.h"
#include "sites/profile/ProfileIndex.h"
#include "sites/profile/ProfileStore.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using vq::bench::BenchStation;

enum class Classroom { Board, Mail, Profiles200, Profiles1000 };

struct Page {
    const char* key;
    const char* title;
    Classroom classroom;
    const char* station;
    std::function<void(BenchStation&)> visit;
    bool profiles = false;     // other stations open profiles between the warm visits
    bool withoutIndex = false; // the first visit finds no profile index
};

void ShowList(BenchStation& s) { s.Visit(vq::ProfileList, "prof_list.html"); }

const std::vector<Page>& Pages() {
    static const std::vector<Page> pages = {
        {"board", "board, 10,000 posts", Classroom::Board, "PC07",
         [](BenchStation& s) { s.Visit(vq::ShowBulletinBoard, "bbs.html"); }},
        {"timeline", "timeline, 10,000 posts", Classroom::Board, "PC07",
         [](BenchStation& s) { s.Visit(vq::ShowSocialPage, "sns.html"); }},
        {"mail", "mail poll, 40 inboxes", Classroom::Mail, "PC01", [](BenchStation& s) { vq::PollMail(s.phone); }},
        {"list200", "profile list, 200 profiles / 10,000 views", Classroom::Profiles200, "PC07", ShowList, true},
        {"list1000", "profile list, 1,000 profiles / 50,000 views", Classroom::Profiles1000, "PC07", ShowList, true},
        {"ranking", "profile ranking, 1,000 profiles / 50,000 views", Classroom::Profiles1000, "PC07",
         [](BenchStation& s) { s.Visit(vq::ProfileRanking, "prof_best.html"); }, true},
        {"list1000-noindex", "profile list, 1,000 profiles, before any index", Classroom::Profiles1000, "PC07",
         ShowList, true, true},
    };
    return pages;
}

const char* FolderName(Classroom classroom) {
    switch (classroom) {
    case Classroom::Board: return "board";
    case Classroom::Mail: return "mail";
    case Classroom::Profiles200: return "profiles-200";
    case Classroom::Profiles1000: return "profiles-1000";
    }
    return "";
}

void Fill(Classroom classroom, const fs::path& folder) {
    fs::create_directory(folder);
    switch (classroom) {
    case Classroom::Board: vq::bench::FillBoardAndTimeline(folder, 10'000); break;
    case Classroom::Mail: vq::bench::FillInboxes(folder); break;
    case Classroom::Profiles200: vq::bench::FillProfiles(folder, 200, 10'000); break;
    case Classroom::Profiles1000: vq::bench::FillProfiles(folder, 1'000, 50'000); break;
    }
}

struct Options {
    std::optional<fs::path> folder;
    std::optional<fs::path> fillVia;
    int warmVisits = 3;
    int crowd = 0;
    std::vector<fs::path> crowdVia;
    std::vector<const Page*> pages;
};

bool ParsePages(const std::string& list, std::vector<const Page*>& pages) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string key = list.substr(start, comma - start);
        const auto found = std::find_if(Pages().begin(), Pages().end(), [&](const Page& p) { return key == p.key; });
        if (found == Pages().end()) return false;
        pages.push_back(&*found);
        start = comma + 1;
    }
    return true;
}

std::optional<Options> Parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 == argc) return std::nullopt;
        const std::string value = argv[++i];
        if (arg == "--folder") {
            options.folder = value;
        } else if (arg == "--fill-via") {
            options.fillVia = value;
        } else if (arg == "--warm" || arg == "--crowd") {
            int& number = arg == "--warm" ? options.warmVisits : options.crowd;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
            if (error != std::errc() || end != value.data() + value.size() || number < 1) return std::nullopt;
        } else if (arg == "--crowd-via") {
            for (std::size_t start = 0; start <= value.size();) {
                const std::size_t comma = std::min(value.find(',', start), value.size());
                options.crowdVia.emplace_back(value.substr(start, comma - start));
                start = comma + 1;
            }
        } else if (arg == "--pages") {
            if (!ParsePages(value, options.pages)) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if ((options.fillVia || !options.crowdVia.empty()) && !options.folder) return std::nullopt;
    if (options.pages.empty())
        for (const Page& page : Pages()) options.pages.push_back(&page);
    return options;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

template <typename Work>
double Milliseconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return Seconds(std::chrono::steady_clock::now() - start) * 1000;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Times {
    double coldMs = 0;
    double warmMs = 0;
    std::string error;
};

// Another station of the class opening profiles, each view a new view file and a line of the index.
class OtherViewer {
public:
    explicit OtherViewer(const fs::path& classroom) : station_(classroom, "PC08", "192.168.0.18") {
        for (const std::string& page : vq::ListFileNames((classroom / "data/prof_html").string(), {}, ".html"))
            ids_.push_back(page.substr(0, page.size() - 5));
    }
    void OpenThreeProfiles() {
        for (int i = 0; i < 3 && !ids_.empty(); ++i) {
            station_.clock.AdvanceSeconds(1);
            vq::ProfileViewCounted(station_.phone, station_.phone.DataRoot + "prof_html/" + ids_[next_++ % ids_.size()] + ".html");
        }
    }

private:
    BenchStation station_;
    std::vector<std::string> ids_;
    std::size_t next_ = 7;
};

void RemoveProfileIndex(const fs::path& classroom) { fs::remove(classroom / "data" / std::string(vq::kProfileIndexPath)); }

// A station that has just started visits the page once, then warmVisits times more.
Times Measure(const Page& page, const fs::path& classroom, int warmVisits) {
    Times times;
    try {
        BenchStation station(classroom, page.station);
        std::optional<OtherViewer> other;
        if (page.profiles) other.emplace(classroom);
        if (page.withoutIndex) RemoveProfileIndex(classroom);
        times.coldMs = Milliseconds([&] { page.visit(station); });
        std::vector<double> warm;
        for (int i = 0; i < warmVisits; ++i) {
            if (other) other->OpenThreeProfiles();
            warm.push_back(Milliseconds([&] { page.visit(station); }));
        }
        times.warmMs = Median(warm);
    } catch (const std::exception& error) {
        times.error = error.what();
    }
    return times;
}

// A folder with every kind of classroom the pages need, filled through fillParent and measured
// through parent (the same folder, or another way to it).
class BenchFolder {
public:
    BenchFolder(const fs::path& parent, const fs::path& fillParent, const std::vector<const Page*>& pages)
        : scratch_(fillParent, "vqfolderbench"), measured_(parent / scratch_.Path().filename()) {
        std::set<Classroom> needed;
        for (const Page* page : pages) needed.insert(page->classroom);
        const auto start = std::chrono::steady_clock::now();
        for (Classroom classroom : needed) Fill(classroom, scratch_.Path() / FolderName(classroom));
        std::printf("filled %s in %.1f s\n", scratch_.Path().c_str(), Seconds(std::chrono::steady_clock::now() - start));
        if (!fs::is_directory(measured_)) throw std::runtime_error(measured_.string() + " does not show the filled folder");
        std::fflush(stdout);
    }
    [[nodiscard]] fs::path PathOf(Classroom classroom) const { return measured_ / FolderName(classroom); }
    // The same classroom reached through another way to the folder's parent.
    [[nodiscard]] fs::path PathVia(const fs::path& parent, Classroom classroom) const {
        return parent / measured_.filename() / FolderName(classroom);
    }

private:
    vq::bench::ScratchFolder scratch_;
    fs::path measured_;
};

// Single file operations on the 1,000-profile classroom, each on files not touched before, so that
// no cache of the mount answers them: what one step of a page costs.
struct FileTimes {
    double openReadCloseMs = 0;
    double statMs = 0;
    double listingMs = 0;
};

FileTimes TimeFileOperations(const fs::path& classroom) {
    const fs::path data = classroom / "data";
    const auto stored = vq::ListFileNames((data / "prof_html").string(), {}, ".html");
    constexpr std::size_t kSamples = 15;
    std::vector<double> reads;
    std::vector<double> stats;
    for (std::size_t i = 0; i < kSamples && 2 * i + 1 < stored.size(); ++i) {
        const std::string id = stored[2 * i].substr(0, stored[2 * i].size() - 5);
        const std::string other = (data / "prof_html" / stored[2 * i + 1]).string();
        reads.push_back(Milliseconds([&] { (void)vq::ReadAll((data / vq::ProfileDataPath(id)).string()); }));
        stats.push_back(Milliseconds([&] { (void)vq::FileExists(other); }));
    }
    FileTimes times;
    times.openReadCloseMs = Median(reads);
    times.statMs = Median(stats);
    times.listingMs = Milliseconds([&] { (void)vq::ListFileNames((data / "prof_counter").string()); });
    return times;
}

std::string FormatMs(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, ms < 1 ? "%.3f ms" : ms < 10 ? "%.2f ms" : ms < 100 ? "%.1f ms" : "%.0f ms", ms);
    return text;
}

std::string Cell(const Times& times, double Times::*value) {
    return times.error.empty() ? FormatMs(times.*value) : "failed";
}

std::string FormatRatio(double there, double local) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", there / local);
    return text;
}

void PrintFileOperations(const fs::path& local, const fs::path& there) {
    const FileTimes l = TimeFileOperations(local);
    const FileTimes t = TimeFileOperations(there);
    std::printf("\n| file operation | local | folder | ratio |\n|---|---|---|---|\n");
    for (const auto& [name, value] : {std::pair{"open + read + close of a small file", &FileTimes::openReadCloseMs},
                                      std::pair{"stat", &FileTimes::statMs},
                                      std::pair{"listing of 51,000 names", &FileTimes::listingMs}})
        std::printf("| %s | %s | %s | %s |\n", name, FormatMs(l.*value).c_str(), FormatMs(t.*value).c_str(),
                    FormatRatio(t.*value, l.*value).c_str());
}

std::string Ratio(const Times& local, const Times& there, double Times::*value) {
    if (!local.error.empty() || !there.error.empty() || local.*value <= 0) return "-";
    return FormatRatio(there.*value, local.*value);
}

// The slowest of a crowd's stations against one station alone on the same folder.
void PrintCrowd(int stations, const std::vector<fs::path>& via, const std::vector<std::pair<const Page*, Times>>& single,
                const BenchFolder& folder, std::vector<std::string>& errors) {
    std::printf("\n| page, %d stations at once | one station cold | slowest cold | ratio | one station warm |"
                " slowest warm | ratio |\n|---|---|---|---|---|---|---|\n",
                stations);
    for (const auto& [page, alone] : single) {
        if (!page->profiles || page->withoutIndex || !alone.error.empty()) continue;
        const auto crowd = vq::bench::VisitTogether(stations, [&](int i) -> vq::bench::Visitor {
            const fs::path classroom = via.empty() ? folder.PathOf(page->classroom)
                                                   : folder.PathVia(via[static_cast<std::size_t>(i) % via.size()], page->classroom);
            auto station = std::make_shared<BenchStation>(classroom, vq::bench::BenchStationName(1 + (10 + i) % vq::bench::kBenchStations));
            return [station, page] { page->visit(*station); };
        });
        Times slowest;
        for (const auto& times : crowd) {
            if (!times.error.empty()) errors.push_back(std::string(page->key) + " in the crowd: " + times.error);
            slowest.coldMs = std::max(slowest.coldMs, times.coldMs);
            slowest.warmMs = std::max(slowest.warmMs, times.warmMs);
        }
        std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", page->title, FormatMs(alone.coldMs).c_str(),
                    FormatMs(slowest.coldMs).c_str(), FormatRatio(slowest.coldMs, alone.coldMs).c_str(),
                    FormatMs(alone.warmMs).c_str(), FormatMs(slowest.warmMs).c_str(),
                    FormatRatio(slowest.warmMs, alone.warmMs).c_str());
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv) {
    const auto options = Parse(argc, argv);
    if (!options) {
        std::fputs("usage: vqfolderbench [--folder DIR [--fill-via SAME]] [--warm N] [--crowd N [--crowd-via SAME,...]]"
                   " [--pages board,timeline,mail,list200,list1000,ranking,list1000-noindex]\n",
                   stderr);
        return 2;
    }
    try {
        const fs::path temporary = fs::temp_directory_path();
        const BenchFolder local(temporary, temporary, options->pages);
        const fs::path folder = options->folder.value_or(temporary);
        const BenchFolder there(folder, options->fillVia.value_or(folder), options->pages);
        std::printf("\n| page (one station) | local cold | local warm | folder cold | folder warm | ratio cold | ratio warm |\n"
                    "|---|---|---|---|---|---|---|\n");
        std::vector<std::string> errors;
        std::vector<std::pair<const Page*, Times>> single;
        for (const Page* page : options->pages) {
            const Times l = Measure(*page, local.PathOf(page->classroom), options->warmVisits);
            const Times t = Measure(*page, there.PathOf(page->classroom), options->warmVisits);
            single.emplace_back(page, t);
            std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", page->title, Cell(l, &Times::coldMs).c_str(),
                        Cell(l, &Times::warmMs).c_str(), Cell(t, &Times::coldMs).c_str(), Cell(t, &Times::warmMs).c_str(),
                        Ratio(l, t, &Times::coldMs).c_str(), Ratio(l, t, &Times::warmMs).c_str());
            std::fflush(stdout);
            for (const auto& [where, times] : {std::pair{"local", &l}, std::pair{"folder", &t}})
                if (!times->error.empty()) errors.push_back(std::string(page->key) + " on the " + where + " folder: " + times->error);
        }
        const bool profiles = std::any_of(options->pages.begin(), options->pages.end(),
                                          [](const Page* page) { return page->classroom == Classroom::Profiles1000; });
        if (profiles) PrintFileOperations(local.PathOf(Classroom::Profiles1000), there.PathOf(Classroom::Profiles1000));
        if (options->crowd > 0) PrintCrowd(options->crowd, options->crowdVia, single, there, errors);
        for (const auto& error : errors) std::printf("\nfailed: %s", error.c_str());
        if (!errors.empty()) std::printf("\n");
        return errors.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vqfolderbench: %s\n", error.what());
        return 1;
    }
}
