#include "teacher/CrossComputerLocks.h"

#include "platform/PlatformError.h"
#include "platform/SystemInfo.h"
#include "platform/Text.h"
#include "shell/HeartbeatRecord.h"

#include <algorithm>
#include <vector>

namespace vq {
namespace {

using Verdict = ShareFinding::Verdict;

constexpr const char* kTopic = "コンピュータの間のロック";
constexpr const char* kStartAPhoneElsewhere =
    "ほかのコンピュータでスマホを1台起動してから、もう一度確かめてください。";

enum class LockSeen { Yes, No, Unknown };

struct RunningPhone {
    HeartbeatRecord record; // the station from the file name, host and process from the content
    // Known to run on another computer. A heartbeat that names no computer proves nothing.
    bool elsewhere = false;
    LockSeen lock = LockSeen::Unknown;
};

bool IsFresh(const FileState& state, std::int64_t folderNowNs) {
    const std::int64_t window = std::chrono::nanoseconds(kFreshHeartbeat).count();
    return state.lastWriteNs >= folderNowNs - window && state.lastWriteNs <= folderNowNs + window;
}

// A heartbeat that cannot be read (or one written by hand) leaves the computer unknown.
HeartbeatRecord ReadHeartbeat(ShareAccess& share, const std::string& path, const std::string& station) {
    HeartbeatRecord record;
    try {
        record = ParseHeartbeat(share.Read(path));
    } catch (const PlatformError&) {
    }
    record.station = station;
    return record;
}

// A phone on this computer whose process is gone crashed without removing its heartbeat.
bool EndedHere(ShareAccess& share, const HeartbeatRecord& record, const std::string& host) {
    return record.host == host && record.processId > 0 && !share.ProcessRuns(record.processId);
}

std::vector<RunningPhone> RunningPhones(ShareAccess& share, const std::string& inboxFolder, std::int64_t folderNowNs) {
    std::vector<RunningPhone> phones;
    if (!share.FolderExists(inboxFolder)) return phones;
    const std::string host = share.HostName();
    for (const std::string& name : share.ListNames(inboxFolder, kHeartbeatSuffix)) {
        const std::string station = StationOfHeartbeat(name);
        if (!IsUsableStationName(station)) continue;
        const auto state = share.Stat(inboxFolder + name);
        if (!state || !IsFresh(*state, folderNowNs)) continue;
        HeartbeatRecord record = ReadHeartbeat(share, inboxFolder + name, station);
        if (EndedHere(share, record, host)) continue;
        const bool elsewhere = !record.host.empty() && record.host != host;
        phones.push_back({std::move(record), elsewhere, LockSeen::Unknown});
    }
    return phones;
}

LockSeen TryStationLock(ShareAccess& share, const std::string& inboxFolder, const std::string& station) {
    try {
        switch (share.TakeLock(inboxFolder + "log_" + station + ".dat").state()) {
        case StationLock::State::TakenByAnother: return LockSeen::Yes;
        case StationLock::State::Held: return LockSeen::No; // and let go again at once
        case StationLock::State::LocksUnsupported: break;
        }
    } catch (const PlatformError&) {
        // An inbox that cannot be opened says nothing about locks.
    }
    return LockSeen::Unknown;
}

// "PC01（pc-room-02）", the computer as its heartbeat names it.
std::string Named(const RunningPhone& phone) {
    const std::string station = Cp932ToUtf8(phone.record.station);
    return phone.record.host.empty() ? station : station + "（" + Cp932ToUtf8(phone.record.host) + "）";
}

std::string NamesOf(const std::vector<RunningPhone>& phones, bool (*which)(const RunningPhone&)) {
    std::string names;
    for (const RunningPhone& phone : phones)
        if (which(phone)) names += (names.empty() ? "" : "、") + Named(phone);
    return names;
}

bool NotSeen(const RunningPhone& p) { return p.lock == LockSeen::No; }
bool NotSeenFromElsewhere(const RunningPhone& p) { return p.lock == LockSeen::No && p.elsewhere; }
bool SeenFromElsewhere(const RunningPhone& p) { return p.lock == LockSeen::Yes && p.elsewhere; }
bool SeenHere(const RunningPhone& p) { return p.lock == LockSeen::Yes; }
bool Untold(const RunningPhone& p) { return p.lock == LockSeen::Unknown; }
bool Any(const std::vector<RunningPhone>& phones, bool (*which)(const RunningPhone&)) {
    return std::any_of(phones.begin(), phones.end(), which);
}

ShareFinding FindingFor(const std::vector<RunningPhone>& phones) {
    // A phone of this computer whose lock is not seen runs on another mount of the share (the rig's
    // two clients), which fails the same way as another computer.
    if (Any(phones, NotSeen))
        return {Verdict::Problem, kTopic,
                std::string(Any(phones, NotSeenFromElsewhere) ? "ほかのコンピュータのスマホのロックが見えません: "
                                                              : "動いているスマホのロックが見えません: ") +
                    NamesOf(phones, NotSeen) +
                    "は動いているのに、そのロックをこのコンピュータから取れました。ロックがファイルサーバーまで届いていない"
                    "ため、同時に送られた投稿やメールが消えることがあり、同じ端末名のスマホが2台動くのも防げません。" +
                    kLockAdvice};
    if (Any(phones, SeenFromElsewhere))
        return {Verdict::Good, kTopic,
                "ほかのコンピュータで動いているスマホ " + NamesOf(phones, SeenFromElsewhere) +
                    "のロックが、このコンピュータから見えました。ロックはコンピュータの間で伝わっています。"};
    if (Any(phones, SeenHere))
        return {Verdict::CouldNotTell, kTopic,
                "動いているスマホ " + NamesOf(phones, SeenHere) +
                    "はこのコンピュータのものだけなので、コンピュータの間でロックが伝わるかは確かめられませんでした。" +
                    kStartAPhoneElsewhere};
    if (Any(phones, Untold))
        return {Verdict::CouldNotTell, kTopic,
                "動いているスマホ " + NamesOf(phones, Untold) +
                    "のロックを確かめられませんでした（受信箱のファイルを開けないか、ロックが使えません）。" + kStartAPhoneElsewhere};
    return {Verdict::CouldNotTell, kTopic,
            std::string("いま動いているスマホが見つからないので、コンピュータの間でロックが伝わるかは確かめられませんでした。") +
                kStartAPhoneElsewhere};
}

} // namespace

ShareFinding CheckLocksBetweenComputers(ShareAccess& share, const std::string& inboxFolder, std::int64_t folderNowNs) {
    std::vector<RunningPhone> phones = RunningPhones(share, inboxFolder, folderNowNs);
    for (RunningPhone& phone : phones) phone.lock = TryStationLock(share, inboxFolder, phone.record.station);
    // A phone that closed meanwhile removed its heartbeat before it let its lock go: its free lock
    // says nothing about the share.
    std::erase_if(phones, [&](const RunningPhone& phone) {
        return phone.lock == LockSeen::No && !share.Stat(inboxFolder + HeartbeatFileName(phone.record.station));
    });
    return FindingFor(phones);
}

} // namespace vq
