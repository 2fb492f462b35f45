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

bool SameNameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FindCp932NoCase(a, b) == 0;
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

std::optional<std::string> FindInbox(const Phone& phone, std::string_view station) {
    if (station.empty() || !IsPlainFileName(station)) return std::nullopt;
    const std::string exact = InboxPath(phone, station);
    if (FileExists(exact)) return exact;
    const std::string wanted = "log_" + std::string(station) + ".dat";
    for (const DirEntry& entry : ListFiles(InboxFolder(phone)))
        if (SameNameNoCase(entry.name, wanted)) return InboxFolder(phone) + entry.name;
    return std::nullopt;
}

} // namespace vq
