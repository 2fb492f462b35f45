#pragma once

#include "sites/profile/ProfileIndex.h"
#include "sites/profile/ProfileStore.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vq {

// The profile folders read the plain way, file by file: every stored page with its last-write time
// and its profile data file, and the names of all counter files. On a network share this costs a
// round trip or more for every file, so a station does it only when the profile index cannot tell
// it what changed (see ProfileCatalog).
struct ProfileFolders {
    std::vector<IndexedProfile> profiles; // stored pages that have a data file, in name order of the pages
    std::vector<std::string> counterNames;
    // Every data file that exists but cannot be read (a folder in its place, a damaged file), by
    // ProfileId, with the file layer's message: such a profile is left out, as one without a data
    // file is, so that one broken profile does not break every station's lists.
    std::vector<std::pair<std::string, std::string>> unreadable;
};

// Throws PlatformError when a folder cannot be listed.
[[nodiscard]] ProfileFolders ReadProfileFolders(const std::string& dataRoot);

// The part of a profile data file the lists need.
[[nodiscard]] IndexedProfile ListedPartOf(std::string id, std::int64_t stampNs, ProfileData data);

} // namespace vq
