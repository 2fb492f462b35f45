#pragma once

#include "platform/Clock.h"
#include "teacher/ClassroomFolder.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vq {

struct ArchiveOutcome {
    std::string folder;              // the saved lesson, a classroom folder of its own (CP932)
    std::size_t files = 0;           // files saved
    std::vector<std::string> notes;  // UTF-8: what the teacher should know although it worked
};

// Saves the lesson and tidies the classroom for the next class: every lesson file (activity logs,
// board and timeline, inboxes, sent logs, profiles with their counters, photos, lesson messages,
// result pages) is copied into archive/<yyyy-mm-dd_hhmm>/data/ beside data/, every copy is compared
// byte for byte with its file, and only then are the files removed from data/. The files a phone's
// start-up creates stay, as start-up creates them (one empty line), so every station keeps its
// inbox and can be mailed, and the next class starts at 0 yen.
//
// Refuses, with a message that says what to do and having changed nothing, while a phone of the
// class runs (it holds its station lock; the lock of every station is held meanwhile, so none can
// start), when there is nothing to save, or when any file cannot be saved whole.
ArchiveOutcome ArchiveLesson(const ClassroomFolder& folder, const LocalDateTime& now);

// The folder name of a lesson saved at that time: "2026-12-07_0905".
[[nodiscard]] std::string ArchiveName(const LocalDateTime& time);

// The lessons saved beside the folder's data/, newest first, as folder names inside archive/.
[[nodiscard]] std::vector<std::string> PastLessons(const ClassroomFolder& folder);

} // namespace vq
