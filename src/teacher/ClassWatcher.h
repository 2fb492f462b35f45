#pragma once

#include "teacher/AppendedLines.h"
#include "teacher/ClassPosts.h"
#include "teacher/ClassroomFolder.h"
#include "teacher/Debrief.h"
#include "teacher/StationLesson.h"
#include "teacher/StationSummary.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vq {

// The class as its files show it at one moment.
struct ClassSnapshot {
    std::vector<StationSummary> stations; // in name order, PC2 before PC10
    std::vector<StationLesson> lessons;   // the same stations in the same order
    Debrief debrief;
    std::vector<ClassPost> board;         // every post, hidden ones marked
    std::vector<ClassPost> timeline;
};

// Watches a classroom folder for the console's live view. Every refresh lists the three folders of
// per-station files and asks each inbox whether its phone runs, but reads only files that changed:
// the logs from where the last refresh stopped, a sent log only after its station logged something,
// the board and the timeline only when their length or time changed.
class ClassWatcher {
public:
    explicit ClassWatcher(ClassroomFolder folder, AppendedLines::Tail tail = AppendedLines::Tail::WaitUntilSettled);

    // Reads what changed since the last refresh (everything the first time). Throws PlatformError
    // when the folder cannot be read; the next refresh tries again.
    const ClassSnapshot& Refresh();

    [[nodiscard]] const ClassroomFolder& Folder() const { return folder_; }
    [[nodiscard]] const ClassSnapshot& Snapshot() const { return snapshot_; }

private:
    struct StationFiles {
        std::string inboxFile; // name inside mail_box/; empty when the station has none
        std::string logFile;   // name inside log/; empty when none
        AppendedLines log;
        AppendedLines sent;
        StationLesson lesson;
        Bill bill;
        bool present = false;
    };
    // A file read whole when its length or time changed.
    struct WatchedFile {
        std::optional<FileState> seen;
        std::string content;
        bool Update(const std::string& path);
    };

    bool UpdateStations();
    bool UpdateStation(const std::string& name, StationFiles& files, const std::optional<FileState>& logState);
    bool UpdatePosts(PostFile file, WatchedFile& data, WatchedFile& hidden, std::vector<ClassPost>& posts);
    void Summarise(bool lessonsChanged);

    ClassroomFolder folder_;
    AppendedLines::Tail tail_;
    std::map<std::string, StationFiles> stations_;
    WatchedFile board_, boardHidden_, timeline_, timelineHidden_, spam_;
    ClassSnapshot snapshot_;
};

// The number of mails one mail to the spam address brings: the lines of the canned spam file.
[[nodiscard]] std::int64_t SpamMailsPerSignUp(std::string_view spamFileContent);

// Station names in the order a teacher counts them: digits compared as numbers.
[[nodiscard]] bool StationOrder(const std::string& a, const std::string& b);

} // namespace vq
