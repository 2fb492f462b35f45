#include "BenchClassroom.h"

#include "BenchFiles.h"
#include "platform/Clock.h"
#include "platform/Text.h"
#include "sites/profile/ProfileCatalog.h"
#include "sites/profile/ProfileStore.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <random>

namespace vq::bench {
namespace {

namespace fs = std::filesystem;

const char* const kNames[] = {"ゆうき", "はると", "さくら", "そうた", "ひなた", "りん", "けんた", "みお"};
const char* const kPostTexts[] = {
    "今日の体育、持久走だったけど最後まで走りきれた！",
    "明日の数学の小テスト、範囲どこまでだっけ？",
    "<b>太字</b>にしたつもりの投稿",
    "昼休みにみんなでドッジボールしよう\\nグラウンドに集合ね",
    "図書室に新しい本が入ってたよ。おすすめはミステリー",
    "ありがとう！",
};
const char* const kAnswers[] = {"サッカー", "ピアノ", "ねこ", "カレーライス", "青", "夏", "マンガ", "ゲーム"};

void MakeFolders(const fs::path& classroom, std::initializer_list<const char*> folders) {
    for (const char* folder : folders) fs::create_directories(classroom / "data" / folder);
}

void Write(const fs::path& classroom, const std::string& relative, const std::string& bytes) {
    WriteBenchFile(classroom / "data" / relative, bytes);
}

// A page template in CP932; body may already be CP932 text.
std::string Template(const std::string& title, const std::string& body) {
    return Utf8ToCp932("<!DOCTYPE html><html lang=\"ja\"><head><meta charset=\"Shift_JIS\"><title>" + title +
                       "</title></head><body><h1>" + title + "</h1>") +
           body + "</body></html>\r\n";
}

std::string Posts(int count) {
    std::string posts = "\r\n";
    for (int i = 0; i < count; ++i) {
        const int station = i % kBenchStations + 1;
        const std::string utf8 = BenchStationName(station) + "#c#192.168.0." + std::to_string(station + 10) +
                                 "#c#2026/12/07 9:" + std::to_string(10 + i % 50) + ":00#c#" + kNames[i % 8] + "#c#" +
                                 kPostTexts[i % 6];
        posts += Utf8ToCp932(utf8) + "\r\n";
    }
    return posts;
}

// A profile identifier: the six-digit time of its making and the station that made it.
std::string ProfileId(int secondsAfterNine, int station) {
    LocalDateTime t;
    const int seconds = 9 * 3600 + secondsAfterNine % (14 * 3600);
    t.hour = seconds / 3600;
    t.minute = seconds / 60 % 60;
    t.second = seconds % 60;
    return SixDigitTime(t) + BenchStationName(station % kBenchStations + 1);
}

void WriteProfile(const fs::path& classroom, const std::string& id, int i) {
    std::string data = BenchStationName(i % kBenchStations + 1) + "\r\nprof/illustration/illustration0" +
                       std::to_string(i % 10) + ".jpg\r\npw" + std::to_string(i) + "\r\n" + Utf8ToCp932(kNames[i % 8]) +
                       std::to_string(i) + "\r\n";
    std::string rows;
    for (int slot = 2; slot < 31; ++slot) {
        // Two answers from the list, so a keyword of it is in about a quarter of the profiles.
        const std::string answer = slot < 4    ? Utf8ToCp932(kAnswers[(i * 2 + slot) % 8])
                                   : slot < 12 ? Utf8ToCp932("よろしくね")
                                               : "";
        data += answer + "\r\n";
        if (!answer.empty()) rows += "<tr><td>" + answer + "</td></tr>";
    }
    Write(classroom, ProfileDataPath(id), data);
    Write(classroom, StoredPagePath(id), Template("プロフ", "<table border=\"0\">" + rows + "</table>"));
    Write(classroom, BaseCounterPath(id), "\r\n");
}

} // namespace

std::string BenchStationName(int number) {
    char name[8];
    std::snprintf(name, sizeof name, "PC%02d", number);
    return name;
}

void FillBoardAndTimeline(const fs::path& classroom, int posts) {
    MakeFolders(classroom, {"bbs", "sns", "log"});
    const std::string data = Posts(posts);
    Write(classroom, "bbs/bbsData.dat", data);
    Write(classroom, "sns/snsData.dat", data);
    Write(classroom, "log/log_PC07.dat", "\r\n");
    const std::string form = "<form><input><textarea></textarea></form><p><!--velquinName--></p>";
    Write(classroom, "bbs/bbs.html", Template("みんなの掲示板", form + "<table><!--velquinLAN--></table>"));
    Write(classroom, "sns/sns.html", Template("つぶやきタイムライン", form + "<!--velquinLAN-->"));
}

std::vector<std::string> FillProfiles(const fs::path& classroom, int profiles, int views) {
    MakeFolders(classroom, {"prof", "prof_html", "prof_edit", "prof_counter", "log"});
    for (int station = 1; station <= kBenchStations; ++station)
        Write(classroom, "log/log_" + BenchStationName(station) + ".dat", "\r\n");
    std::vector<std::string> ids;
    for (int i = 0; i < profiles; ++i) {
        ids.push_back(ProfileId(i * 37, i));
        WriteProfile(classroom, ids.back(), i);
    }
    std::mt19937 random(5);
    for (int v = 0; v < views; ++v) {
        // Some profiles are far more popular than others.
        const auto profile = std::min(random() % static_cast<unsigned>(profiles), random() % static_cast<unsigned>(profiles));
        const auto viewer = ProfileId(static_cast<int>(random() % 50'000), static_cast<int>(random() % kBenchStations));
        Write(classroom, ViewFilePath(ids[profile], viewer), "\r\n");
    }
    const std::string list = "<table><!--velquinLAN--></table>";
    Write(classroom, "prof/prof_list.html", Template("みんなのプロフ", list));
    Write(classroom, "prof/prof_best.html", Template("プロフランキング", list));
    Write(classroom, "prof/prof_search2.html", Template("プロフをさがす", "<p><!--velquinLAN2--></p>" + list));
    Write(classroom, "prof/prof_top.html", Template("プロフ", "<form><input name=\"keyword\"></form>"));
    // The profile index, as the first station to show a list leaves it for the others.
    (void)ProfileCatalog().Refresh((classroom / "data").string() + "/");
    return ids;
}

void FillInboxes(const fs::path& classroom) {
    MakeFolders(classroom, {"mail_box", "mail_log", "log"});
    for (int station = 1; station <= kBenchStations; ++station)
        Write(classroom, "mail_box/log_" + BenchStationName(station) + ".dat", "\r\n");
    Write(classroom, "log/log_PC01.dat", "\r\n");
}

} // namespace vq::bench
