#include "mail/InboxDirectory.h"

#include "mail/MailPaths.h"
#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace vq {
namespace {

// Inbox files written on Windows may carry the extension in any letter case.
bool IsDatFile(const std::string& name) {
    return name.size() >= 4 && ReplaceAllNoCase(name.substr(name.size() - 4), ".dat", "").empty();
}

} // namespace

std::string StationOfFileName(const std::string& fileName) {
    if (!IsDatFile(fileName)) return {};
    return ReplaceAllNoCase(ReplaceAllNoCase(fileName, "log_", ""), ".dat", "");
}

// Names only: the address book needs no file times, and on a share asking for them is a round trip
// per station at every poll.
std::vector<InboxListing> ListInboxFolder(const std::string& inboxFolder) {
    std::vector<InboxListing> inboxes;
    for (std::string& name : ListFileNames(inboxFolder))
        if (IsDatFile(name)) inboxes.push_back({name, StationOfFileName(name)});
    return inboxes;
}

std::vector<InboxListing> ListInboxes(const Phone& phone) { return ListInboxFolder(InboxFolder(phone)); }

std::optional<std::string> FindInbox(const Phone& phone, std::string_view station) {
    if (station.empty() || !IsPlainFileName(station)) return std::nullopt;
    const std::string exact = InboxPath(phone, station);
    if (FileExists(exact)) return exact;
    const std::string wanted = "log_" + std::string(station) + ".dat";
    for (const DirEntry& entry : ListFiles(InboxFolder(phone)))
        if (SameNoCase(entry.name, wanted)) return InboxFolder(phone) + entry.name;
    return std::nullopt;
}

} // namespace vq
