#include "mail/InboxFile.h"

#include "platform/LockedFile.h"

namespace vq {

bool AppendToInbox(const std::string& path, std::string_view line) { return AppendSharedLine(path, line); }

std::optional<std::string> TakeInboxContent(const std::string& path) {
    auto inbox = LockedFile::OpenExisting(path);
    if (!inbox) return std::nullopt;
    std::string content = inbox->ReadAll();
    // An inbox already empty is left alone: forty stations polling a share write nothing then.
    if (content == kEmptyInbox || content.empty()) return content;
    // An inbox that cannot be emptied keeps its mail for the next take and gives none now, so no
    // mail comes twice. One emptied but without its empty line reads like one with it.
    (void)inbox->Empty(kEmptyInbox);
    return content;
}

} // namespace vq
