#pragma once

#include "teacher/ClassroomFolder.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// What a lesson leaves in data/, as against the teaching content that stays from class to class.
enum class LessonRole {
    TeachingContent, // templates, pages, pictures: never moved
    Moved,           // profiles, photos, result pages, lesson messages, hidden posts: taken away whole
    Emptied,         // the files a phone's start-up creates (logs, inboxes, sent logs, board, timeline):
                     // taken away and left as start-up makes them, one empty line
    CopiedAlong,     // teaching content a saved lesson needs for its report (the canned spam)
    RunningSign,     // a running phone's heartbeat (mail_box/<station>.alive): no lesson's record, left
                     // where it is; the phone removes it when it closes
};

// The role of the file name in the folder (relative to DataRoot, without a trailing "/").
[[nodiscard]] LessonRole RoleOf(std::string_view folder, std::string_view name);

struct LessonFile {
    std::string relative; // relative to DataRoot
    LessonRole role;
};

// Every file of the folder that belongs to the lesson (moved, emptied or copied along), folder by
// folder in name order. One listing per folder the phones write to. Throws PlatformError.
[[nodiscard]] std::vector<LessonFile> ListLessonFiles(const ClassroomFolder& folder);

// What an emptied file holds afterwards, as start-up creates it.
inline constexpr std::string_view kFreshFile = "\r\n";

} // namespace vq
