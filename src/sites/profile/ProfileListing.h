#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vq {
class Phone;

// The stored profiles as the list, ranking, search, edit and delete pages show them. Every request
// brings the station's picture of the folders up to date (ProfileCatalog), so what any station
// published, edited or deleted shows at once.

enum class ProfileOrder {
    ByStamp, // the most recently written stored page first
    ByCount, // the most viewed first
};

struct StoredProfile {
    std::string pageFile; // the stored page's file name, ProfileId + ".html"
    std::string id;
    int views = 0;
    std::string picture;                     // relative to DataRoot
    std::string name;                        // answer slot 1, CP932 as stored
    std::vector<std::string> furtherAnswers; // answer slots 2 on, CP932 as stored
};

// Every stored page with a profile data file, in the given order. Ties keep the reverse of the
// directory order (name order), the later name first. No limit on the number of pages or counter files.
// A page whose data file cannot be read (a folder in its place, a broken file) is left out, as one
// without a data file is, and the pupil is told once which ones are (RepeatedErrors): one broken
// profile must not break every station's lists.
[[nodiscard]] std::vector<StoredProfile> ListStoredProfiles(Phone& phone, ProfileOrder order);

} // namespace vq
