#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {
class Phone;

// A station that can be mailed: its inbox file exists.
struct InboxListing {
    std::string file;     // file name inside the inbox folder
    std::string station;  // the name with every "log_" and ".dat" removed, any letter case
};

// Every inbox file of the classroom, in the folder's listing order.
[[nodiscard]] std::vector<InboxListing> ListInboxes(const Phone& phone);
// The same for the inbox folder at a path (the teacher's console, which is no phone).
[[nodiscard]] std::vector<InboxListing> ListInboxFolder(const std::string& inboxFolder);

// The station a per-station file stands for: its name with every "log_" and ".dat" removed, any
// letter case, as the address book lists it. Empty for a name that is no ".dat" file.
[[nodiscard]] std::string StationOfFileName(const std::string& fileName);

// The inbox file of a station named as typed, the letter case of file and name aside (as on the
// Windows shares where classroom folders are often kept, and as the address book lists them); empty
// when the station has none or the name could point outside the inbox folder.
[[nodiscard]] std::optional<std::string> FindInbox(const Phone& phone, std::string_view station);

} // namespace vq
