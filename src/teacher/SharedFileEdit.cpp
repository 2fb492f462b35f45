#include "teacher/SharedFileEdit.h"

#include "platform/LockedFile.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"

namespace vq {

bool EditSharedFile(const std::string& path, const std::function<std::optional<std::string>(const std::string&)>& edit) {
    auto file = LockedFile::OpenExisting(path, LockedFile::Access::ReadWrite);
    if (!file) throw PlatformError("ファイルがありません: " + Cp932ToUtf8(path));
    const std::string before = file->ReadAll();
    const std::optional<std::string> after = edit(before);
    if (!after) return false;
    if (file->Replace(*after)) return true;
    // The new content did not fit (a full disk): the old one, which did, goes back.
    (void)file->Replace(before);
    throw PlatformError("ファイルを書き換えられません: " + Cp932ToUtf8(path));
}

} // namespace vq
