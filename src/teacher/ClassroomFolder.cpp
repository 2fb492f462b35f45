#include "teacher/ClassroomFolder.h"

#include "platform/Folders.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"

namespace vq {

ClassroomFolder::ClassroomFolder(std::string path) : root_(std::move(path)) {
    while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
}

ClassroomFolder ClassroomFolder::Open(const std::string& path) {
    ClassroomFolder folder(path);
    if (!FolderExists(folder.root_))
        throw PlatformError("フォルダがありません: " + Cp932ToUtf8(folder.root_));
    if (!FolderExists(folder.DataRoot()))
        throw PlatformError("このフォルダには data フォルダがありません: " + Cp932ToUtf8(folder.root_) +
                            "\n教室フォルダ（data フォルダを含むフォルダ）を指定してください。");
    return folder;
}

std::string ClassroomFolder::DataPath(std::string_view relative) const { return DataRoot() + std::string(relative); }

std::string ClassroomFolder::BesideData(std::string_view relative) const { return root_ + "/" + std::string(relative); }

} // namespace vq
