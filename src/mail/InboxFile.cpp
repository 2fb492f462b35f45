#include "mail/InboxFile.h"

#include "platform/LockedFile.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"

namespace vq {
namespace {

// What a freshly created inbox holds, and what an emptied one holds again.
constexpr std::string_view kEmptyInbox = "\r\n";

} // namespace

bool AppendToInbox(const std::string& path, std::string_view line) { return AppendSharedLine(path, line); }

std::string TakeInboxContent(const std::string& path) {
    auto inbox = LockedFile::OpenExisting(path, LockedFile::Access::ReadWrite);
    if (!inbox) throw PlatformError("受信箱が見つかりません: " + Cp932ToUtf8(path));
    std::string content = inbox->ReadAll();
    // An inbox already empty is left alone: forty stations polling a share write nothing then.
    if (content == kEmptyInbox || content.empty()) return content;
    // A failed rewrite leaves the file empty rather than holding the old mail, which is read once
    // here and must not come a second time; an empty inbox reads like one with its empty line.
    (void)inbox->Replace(kEmptyInbox);
    return content;
}

} // namespace vq
