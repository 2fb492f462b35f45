#include "mail/InboxDirectory.h"

#include "mail/MailPaths.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace vq {
namespace {

// Inbox files written on Windows may carry the extension in any letter case.
bool IsDatFile(const std::string& name) {
    return name.size() >= 4 && ReplaceAllNoCase(name.substr(name.size() - 4), ".dat", "").empty();
}

} // namespace

std::vector<InboxListing> ListInboxes(const Phone& phone) {
    std::vector<InboxListing> inboxes;
    for (const DirEntry& entry : ListFiles(InboxFolder(phone))) {
        if (!IsDatFile(entry.name)) continue;
        inboxes.push_back({entry.name, ReplaceAllNoCase(ReplaceAllNoCase(entry.name, "log_", ""), ".dat", "")});
    }
    return inboxes;
}

} // namespace vq
