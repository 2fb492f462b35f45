#include "teacher/ShareTiming.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace vq {
namespace {

using Verdict = ShareFinding::Verdict;

constexpr int kTries = 15;

// What one visit of a page costs, counted in small-file operations (open, read, close). On the share
// rig at 1.1 ms round trip (8.4 ms an operation) the profile list of 1,000 profiles took 49 ms once the
// phone had seen it before, and the first time after the phone's start 144 ms.
constexpr int kProfileListOperations = 6;
// The same for the board: on the rig a board of 10,000 posts took 112 ms at 9.5 ms per open, read
// and close.
constexpr int kBoardOperations = 12;
// Longer than this and a pupil thinks the tap was lost and taps again.
constexpr double kPatientSeconds = 1.0;

double MedianMs(ShareAccess& share, const std::function<void()>& operation) {
    std::vector<double> times;
    for (int i = 0; i < kTries; ++i) {
        const auto start = share.Elapsed();
        operation();
        times.push_back(std::chrono::duration<double, std::milli>(share.Elapsed() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kTries / 2, times.end());
    return times[kTries / 2];
}

// Two significant places or so: "9.5", "0.11", "14".
std::string Figure(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value >= 10 ? "%.0f" : value >= 1 ? "%.1f" : "%.2f", value);
    return text;
}

// A time too small to show in these places is said to be so.
std::string Amount(double value, const std::string& unit) {
    return value < 0.01 ? "0.01" + unit + "未満" : Figure(value) + unit;
}

double PageSeconds(const RoundTrips& trips, int operations) { return trips.openReadCloseMs * operations / 1000; }

Verdict PageVerdict(double seconds) { return seconds <= kPatientSeconds ? Verdict::Good : Verdict::Problem; }

ShareFinding PageFinding(const std::string& page, double seconds) {
    const Verdict verdict = PageVerdict(seconds);
    std::string text = seconds < 0.01 ? page + "の表示にかかる時間は" + Amount(seconds, "秒") + "です。"
                                      : page + "の表示に約" + Figure(seconds) + "秒かかります。";
    text += verdict == Verdict::Good ? "生徒を待たせない速さです。" : "生徒がページを開くたびに待たされます。";
    return {verdict, page, text};
}

ShareFinding RoundTripFinding(const RoundTrips& trips, Verdict verdict) {
    std::string text = "小さなファイルを開いて読んで閉じるのに" + Amount(trips.openReadCloseMs, "ミリ秒") +
                       "、ファイルの大きさと時刻を調べるのに" + Amount(trips.statMs, "ミリ秒") + "かかりました（" +
                       std::to_string(kTries) + "回の中央値）。";
    if (verdict == Verdict::Problem)
        text += "ファイルサーバーとのやりとりが遅すぎます。ファイルサーバーまでのネットワーク（無線LANや混んだ回線）と"
                "サーバーの混み具合を、ネットワークの管理者に確かめてもらってください。";
    return {verdict, "ファイルサーバーとの往復", text};
}

} // namespace

RoundTrips MeasureRoundTrips(ShareAccess& share, const std::string& probeFile) {
    RoundTrips trips;
    trips.openReadCloseMs = MedianMs(share, [&] { (void)share.Read(probeFile); });
    // Asked about a name that is not there, a new one each time: the client keeps what it learnt of
    // an existing file for a while and would answer from memory, not from the server.
    int asked = 0;
    trips.statMs = MedianMs(share, [&] { (void)share.Stat(probeFile + ".absent" + std::to_string(++asked)); });
    return trips;
}

std::vector<ShareFinding> SpeedFindings(const RoundTrips& trips) {
    const ShareFinding profiles = PageFinding("プロフ一覧", PageSeconds(trips, kProfileListOperations));
    const ShareFinding board = PageFinding("掲示板", PageSeconds(trips, kBoardOperations));
    const bool slow = profiles.verdict == Verdict::Problem || board.verdict == Verdict::Problem;
    return {RoundTripFinding(trips, slow ? Verdict::Problem : Verdict::Good), profiles, board};
}

} // namespace vq
