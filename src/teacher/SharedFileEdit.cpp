#include "teacher/SharedFileEdit.h"

#include "platform/LockedFile.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"

namespace vq {

bool EditSharedFile(const std::string& path, const std::function<std::optional<std::string>(const std::string&)>& edit) {
    bool replaced = false;
    const bool found = ReplaceSharedFile(path, [&](std::string_view content) {
        std::optional<std::string> after = edit(std::string(content));
        replaced = after.has_value();
        return after;
    });
    if (!found) throw PlatformError("ファイルがありません: " + Cp932ToUtf8(path));
    return replaced;
}

} // namespace vq
