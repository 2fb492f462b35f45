#include "teacher/LessonArchive.h"

#include "mail/InboxDirectory.h"
#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/FileState.h"
#include "platform/Folders.h"
#include "platform/PlatformError.h"
#include "platform/StationLock.h"
#include "platform/Text.h"
#include "teacher/FolderTree.h"
#include "teacher/LessonFiles.h"
#include "teacher/SharedFileEdit.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace vq {
namespace {

// The station locks of the whole class, held while the lesson is saved: a phone that finds its
// lock taken does not start as that station.
std::vector<StationLock> HoldStationLocks(const ClassroomFolder& folder, std::vector<std::string>& notes) {
    std::vector<StationLock> locks;
    std::vector<std::string> running;
    bool unknown = false;
    for (const InboxListing& inbox : ListInboxFolder(folder.DataPath("mail_box/"))) {
        StationLock lock = StationLock::TryTake(folder.DataPath("mail_box/") + inbox.file);
        if (lock.state() == StationLock::State::TakenByAnother) running.push_back(Cp932ToUtf8(inbox.station));
        if (lock.state() == StationLock::State::LocksUnsupported) unknown = true;
        locks.push_back(std::move(lock));
    }
    if (!running.empty()) {
        std::string names;
        for (const std::string& name : running) names += (names.empty() ? "" : "、") + name;
        throw PlatformError("起動中の端末があるため、授業を片付けられません: " + names +
                            "\nその端末の電源キーを押して終了してから、もう一度実行してください。");
    }
    if (unknown)
        notes.push_back("この共有フォルダでは、端末が起動中かどうかを確かめられませんでした。"
                        "片付けの前に、すべての端末が終了していることを確かめてください。");
    return locks;
}

bool HoldsTheLesson(const ClassroomFolder& folder, const std::vector<LessonFile>& files) {
    return std::any_of(files.begin(), files.end(), [&](const LessonFile& file) {
        if (file.role == LessonRole::Moved) return true;
        if (file.role != LessonRole::Emptied) return false;
        const auto state = StatFile(folder.DataPath(file.relative));
        return state && state->size > static_cast<std::int64_t>(kFreshFile.size());
    });
}

// archive/<time>, or with "_2", "_3"... when a lesson was saved in the same minute.
std::string NewArchiveFolder(const ClassroomFolder& folder, const LocalDateTime& now) {
    const std::string base = folder.BesideData("archive/" + ArchiveName(now));
    std::string candidate = base;
    for (int n = 2; FolderExists(candidate); ++n) candidate = base + "_" + std::to_string(n);
    return candidate;
}

std::string FolderOf(const std::string& relative) { return relative.substr(0, relative.rfind('/')); }

void CopyIntoArchive(const ClassroomFolder& folder, const std::string& archiveData, const std::vector<LessonFile>& files) {
    std::set<std::string> made;
    for (const LessonFile& file : files) {
        const std::string target = archiveData + file.relative;
        if (made.insert(FolderOf(file.relative)).second) CreateFolders(archiveData + FolderOf(file.relative));
        RewriteFile(target, ReadAll(folder.DataPath(file.relative)));
    }
}

void VerifyArchive(const ClassroomFolder& folder, const std::string& archiveData, const std::vector<LessonFile>& files) {
    for (const LessonFile& file : files)
        if (ReadAll(archiveData + file.relative) != ReadAll(folder.DataPath(file.relative)))
            throw PlatformError("保存したファイルが元のファイルと一致しません: " + Cp932ToUtf8(file.relative));
}

// An emptied file goes back to one empty line only if it still holds what was saved; anything a
// phone wrote since stays where it is.
bool EmptyIfSaved(const std::string& path, const std::string& saved) {
    if (saved == kFreshFile) return true;
    return EditSharedFile(path, [&](const std::string& now) -> std::optional<std::string> {
        if (now != saved) return std::nullopt;
        return std::string(kFreshFile);
    });
}

void TidyData(const ClassroomFolder& folder, const std::string& archiveData, const std::vector<LessonFile>& files,
              std::vector<std::string>& notes) {
    std::vector<std::string> left;
    for (const LessonFile& file : files) {
        const std::string path = folder.DataPath(file.relative);
        try {
            if (file.role == LessonRole::Moved) DeleteFile(path);
            else if (file.role == LessonRole::Emptied && !EmptyIfSaved(path, ReadAll(archiveData + file.relative)))
                left.push_back(Cp932ToUtf8(file.relative));
        } catch (const PlatformError&) {
            left.push_back(Cp932ToUtf8(file.relative));
        }
    }
    if (left.empty()) return;
    std::string list;
    for (const std::string& name : left) list += "\n  " + name;
    notes.push_back("授業は保存しましたが、次のファイルは data フォルダに残りました（保存したものと同じです）:" + list);
}

} // namespace

std::string ArchiveName(const LocalDateTime& t) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d%02d", t.year, t.month, t.day, t.hour, t.minute);
    return name;
}

ArchiveOutcome ArchiveLesson(const ClassroomFolder& folder, const LocalDateTime& now) {
    ArchiveOutcome outcome;
    const std::vector<StationLock> locks = HoldStationLocks(folder, outcome.notes);
    const std::vector<LessonFile> files = ListLessonFiles(folder);
    if (!HoldsTheLesson(folder, files))
        throw PlatformError("この教室フォルダには、まだ保存する授業の記録がありません。");

    outcome.folder = NewArchiveFolder(folder, now);
    const std::string archiveData = outcome.folder + "/data/";
    try {
        CreateFolders(archiveData);
        CopyIntoArchive(folder, archiveData, files);
        VerifyArchive(folder, archiveData, files);
    } catch (const PlatformError& e) {
        RemoveFolderTree(outcome.folder);
        throw PlatformError(std::string("授業を保存できませんでした。data フォルダのファイルは何も消していません。\n") + e.what());
    }
    outcome.files = files.size();
    TidyData(folder, archiveData, files, outcome.notes);
    return outcome;
}

std::vector<std::string> PastLessons(const ClassroomFolder& folder) {
    const std::string archive = folder.BesideData("archive");
    if (!FolderExists(archive)) return {};
    std::vector<std::string> lessons;
    for (const std::string& name : ListFolderNames(archive))
        if (FolderExists(archive + "/" + name + "/data")) lessons.push_back(name);
    std::sort(lessons.rbegin(), lessons.rend());
    return lessons;
}

} // namespace vq
