#include "teacher/ClassWatcher.h"

#include "mail/InboxDirectory.h"
#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/Text.h"

#include <algorithm>

namespace vq {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The station that created a profile: its identifier is six digits of the time and then the name.
std::string ProfileStation(std::string_view pageName) {
    constexpr std::string_view kSuffix = ".html";
    if (pageName.size() <= 6 + kSuffix.size()) return {};
    if (!std::all_of(pageName.begin(), pageName.begin() + 6, IsDigit)) return {};
    return std::string(pageName.substr(6, pageName.size() - 6 - kSuffix.size()));
}

std::int64_t PostsBy(const std::vector<ClassPost>& posts, const std::string& station) {
    return std::count_if(posts.begin(), posts.end(), [&](const ClassPost& p) { return !p.hidden && p.station == station; });
}

} // namespace

bool StationOrder(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && IsDigit(a[ei])) ++ei;
            while (ej < b.size() && IsDigit(b[ej])) ++ej;
            std::string_view na(a.data() + i, ei - i), nb(b.data() + j, ej - j);
            while (na.size() > 1 && na.front() == '0') na.remove_prefix(1);
            while (nb.size() > 1 && nb.front() == '0') nb.remove_prefix(1);
            if (na.size() != nb.size()) return na.size() < nb.size();
            if (na != nb) return na < nb;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
            ++i;
            ++j;
        }
    }
    if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
    return a < b;
}

std::int64_t SpamMailsPerSignUp(std::string_view spamFileContent) {
    const auto lines = SplitLines(spamFileContent);
    return std::count_if(lines.begin(), lines.end(), [](const std::string& line) { return !line.empty(); });
}

bool ClassWatcher::WatchedFile::Update(const std::string& path) {
    const std::optional<FileState> state = StatFile(path);
    if (state == seen) return false;
    content = state ? ReadAll(path) : std::string();
    seen = state;
    return true;
}

ClassWatcher::ClassWatcher(ClassroomFolder folder, AppendedLines::Tail tail) : folder_(std::move(folder)), tail_(tail) {}

bool ClassWatcher::UpdateStation(const std::string& name, StationFiles& files, const std::optional<FileState>& logState) {
    const std::string logPath = folder_.DataPath("log/") + files.logFile;
    if (!files.log.Update(logPath, files.logFile.empty() ? std::nullopt : logState, tail_) &&
        !files.lesson.station.empty())
        return false;
    // A station logs every mail it sends right after writing it to its sent log, so the sent log
    // needs a look only when the activity log changed.
    const std::string sentPath = folder_.DataPath("mail_log/log_" + name + ".dat");
    files.sent.Update(sentPath, StatFile(sentPath), tail_);
    files.lesson.station = name;
    files.lesson.events = EventsOf(files.log.Lines());
    files.lesson.sent = SentMailsOf(files.sent.Lines());
    files.bill = BillOf(files.log.Lines());
    return true;
}

bool ClassWatcher::UpdateStations() {
    for (auto& [name, files] : stations_) {
        files.present = false;
        files.logFile.clear();
        files.inboxFile.clear();
    }
    std::map<std::string, std::optional<FileState>> logStates;
    for (const DirEntry& entry : ListFiles(folder_.DataPath("log/"))) {
        const std::string station = StationOfFileName(entry.name);
        if (station.empty()) continue;
        StationFiles& files = stations_[station];
        files.present = true;
        files.logFile = entry.name;
        logStates[station] = FileState{entry.size, entry.lastWriteNs};
    }
    for (const InboxListing& inbox : ListInboxFolder(folder_.DataPath("mail_box/"))) {
        StationFiles& files = stations_[inbox.station];
        files.present = true;
        files.inboxFile = inbox.file;
    }
    bool changed = false;
    for (auto it = stations_.begin(); it != stations_.end();) {
        if (!it->second.present) {
            it = stations_.erase(it);
            changed = true;
            continue;
        }
        changed = UpdateStation(it->first, it->second, logStates[it->first]) || changed;
        ++it;
    }
    return changed;
}

bool ClassWatcher::UpdatePosts(PostFile file, WatchedFile& data, WatchedFile& hidden, std::vector<ClassPost>& posts) {
    const bool dataChanged = data.Update(folder_.DataPath(DataFileOf(file)));
    const bool hiddenChanged = hidden.Update(folder_.DataPath(HiddenFileOf(file)));
    if (!dataChanged && !hiddenChanged) return false;
    posts = MergePosts(data.content, ParseHiddenPosts(hidden.content));
    return true;
}

void ClassWatcher::Summarise(bool lessonsChanged) {
    std::vector<std::string> names;
    for (const auto& [name, files] : stations_) names.push_back(name);
    std::sort(names.begin(), names.end(), StationOrder);

    std::vector<std::string> profileStations;
    if (FolderExists(folder_.DataPath("prof_html")))
        for (const std::string& page : ListFileNames(folder_.DataPath("prof_html/"), "", ".html"))
            profileStations.push_back(ProfileStation(page));

    snapshot_.stations.clear();
    if (lessonsChanged) snapshot_.lessons.clear();
    for (const std::string& name : names) {
        const StationFiles& files = stations_.at(name);
        StationSummary summary;
        summary.station = name;
        summary.running = files.inboxFile.empty() ? StationRunning::No
                                                  : ProbeStationLock(folder_.DataPath("mail_box/") + files.inboxFile);
        summary.bill = files.bill;
        if (!files.lesson.events.empty()) summary.lastActivity = files.lesson.events.back().time;
        CountFromBill(summary);
        summary.boardPosts = PostsBy(snapshot_.board, name);
        summary.timelinePosts = PostsBy(snapshot_.timeline, name);
        summary.profiles = std::count(profileStations.begin(), profileStations.end(), name);
        snapshot_.stations.push_back(std::move(summary));
        if (lessonsChanged) snapshot_.lessons.push_back(files.lesson);
    }
    if (lessonsChanged) snapshot_.debrief = DebriefOf(snapshot_.lessons, SpamMailsPerSignUp(spam_.content));
}

const ClassSnapshot& ClassWatcher::Refresh() {
    bool lessonsChanged = UpdateStations();
    lessonsChanged = spam_.Update(folder_.DataPath("spam_Mail/spam_Mail.txt")) || lessonsChanged;
    UpdatePosts(PostFile::Board, board_, boardHidden_, snapshot_.board);
    UpdatePosts(PostFile::Timeline, timeline_, timelineHidden_, snapshot_.timeline);
    Summarise(lessonsChanged);
    return snapshot_;
}

} // namespace vq
