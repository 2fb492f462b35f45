#include "teacher/LessonFiles.h"

#include "mail/InboxDirectory.h"
#include "platform/FileNames.h"
#include "platform/Folders.h"
#include "shell/HeartbeatRecord.h"
#include "site/ResultPages.h"
#include "sites/profile/ProfileIndex.h"

#include <algorithm>
#include <array>

namespace vq {
namespace {

// Folders whose every file a lesson wrote.
constexpr std::array<std::string_view, 8> kLessonFolders{"log",        "mail_box",     "mail_log",   "prof_html",
                                                          "prof_edit",  "prof_counter", "mail_photo", "tmp_photo"};
// The three folders of per-station files that start-up creates.
constexpr std::array<std::string_view, 3> kStationFileFolders{"log", "mail_box", "mail_log"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& list, std::string_view value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

LessonRole RoleOf(std::string_view folder, std::string_view name) {
    if (folder == "mail_box" && !StationOfHeartbeat(name).empty()) return LessonRole::RunningSign;
    if (OneOf(kStationFileFolders, folder))
        return StationOfFileName(std::string(name)).empty() ? LessonRole::Moved : LessonRole::Emptied;
    if (OneOf(kLessonFolders, folder)) return LessonRole::Moved;
    if ((folder == "bbs" && name == "bbsData.dat") || (folder == "sns" && name == "snsData.dat")) return LessonRole::Emptied;
    if ((folder == "bbs" && name == "bbsHidden.dat") || (folder == "sns" && name == "snsHidden.dat")) return LessonRole::Moved;
    if (IsResultPage(std::string(folder) + "/" + std::string(name))) return LessonRole::Moved;
    if (std::string(folder) + "/" + std::string(name) == kProfileIndexPath) return LessonRole::Moved;
    if (folder == "spam_Mail" && name == "spam_Mail.txt") return LessonRole::CopiedAlong;
    return LessonRole::TeachingContent;
}

std::vector<LessonFile> ListLessonFiles(const ClassroomFolder& folder) {
    std::vector<std::string_view> folders(kLessonFolders.begin(), kLessonFolders.end());
    for (const std::string_view folder : ResultPageFolders()) folders.push_back(folder);
    folders.push_back("spam_Mail");
    std::sort(folders.begin(), folders.end());
    std::vector<LessonFile> files;
    for (const std::string_view name : folders) {
        const std::string path = folder.DataPath(name);
        if (!FolderExists(path)) continue;
        for (const std::string& file : ListFileNames(path + "/")) {
            const LessonRole role = RoleOf(name, file);
            if (role != LessonRole::TeachingContent && role != LessonRole::RunningSign) files.push_back({std::string(name) + "/" + file, role});
        }
    }
    return files;
}

} // namespace vq
