#pragma once

#include <string>
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

} // namespace vq
