#include "teacher/ShareAccess.h"

#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/Folders.h"
#include "platform/LockedFile.h"
#include "platform/ThisProcess.h"
#include "teacher/FolderTree.h"

namespace vq {

bool DiskShareAccess::FolderExists(const std::string& path) { return vq::FolderExists(path); }
void DiskShareAccess::MakeFolder(const std::string& path) { CreateFolders(path); }
bool DiskShareAccess::RemoveFolder(const std::string& path) { return RemoveFolderTree(path); }
void DiskShareAccess::Write(const std::string& path, std::string_view content) { RewriteFile(path, content); }
std::string DiskShareAccess::Read(const std::string& path) { return ReadAll(path); }
std::optional<FileState> DiskShareAccess::Stat(const std::string& path) { return StatFile(path); }
bool DiskShareAccess::AppendLine(const std::string& path, std::string_view line) { return AppendSharedLine(path, line); }
void DiskShareAccess::Replace(const std::string& path, std::string_view content) { ReplaceFile(path, content); }
StationLock DiskShareAccess::TakeLock(const std::string& path) { return StationLock::TryTake(path); }

std::vector<std::string> DiskShareAccess::ListNames(const std::string& folder, std::string_view suffix) {
    return ListFileNames(folder, {}, suffix);
}

std::string DiskShareAccess::HostName() { return ThisHostName(); }
long DiskShareAccess::ProcessId() { return ThisProcessId(); }
bool DiskShareAccess::ProcessRuns(long processId) { return vq::ProcessRuns(processId); }

std::chrono::nanoseconds DiskShareAccess::Elapsed() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

} // namespace vq
