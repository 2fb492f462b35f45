#pragma once

#include "sites/profile/ProfileIndex.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vq {

struct CatalogProfile {
    IndexedProfile profile;
    int views = 0;
};

// A station's picture of the stored profiles, kept from one visit to the next and brought up to date
// from the profile index. On a school's file share every open, stat and listing is a round trip to the
// server; reading the folders takes one or more for every stored page, data file and counter file,
// while a visit here takes the times of three folders and the new lines of one file.
//
// The picture always equals what reading the folders would give: the same stored pages, stamps,
// answers and view counts. Whenever the index cannot vouch for that (there is none yet, a folder's
// time moved past what the index tells, a line shows a change it does not describe), the folders are
// read file by file, and the index is written anew from them so that the other stations need not.
class ProfileCatalog {
public:
    struct Listing {
        // The stored pages that have a data file, in name order of the pages; valid until the next Refresh.
        std::vector<const CatalogProfile*> profiles;
        // One line (after a line break) for every data file that exists but cannot be read.
        std::string unreadable;
    };

    // Throws PlatformError when a profile folder cannot be read.
    [[nodiscard]] Listing Refresh(const std::string& dataRoot);

private:
    bool ReadNewLines(const std::string& dataRoot);
    void LoadIndex(const std::string& dataRoot);
    std::size_t Apply(std::string_view lines);
    void ApplyEvent(const ProfileIndexEvent& event);
    void ReadFolders(const std::string& dataRoot, const ProfileFolderTimes& observed);
    void PublishIndex(const std::string& dataRoot);
    [[nodiscard]] std::string IndexContent() const;
    void Forget();
    void AddProfile(const IndexedProfile& profile);
    void AddCounterName(const std::string& name);
    void Count();

    std::map<std::string, CatalogProfile> profiles_; // by stored page file name, the folder's name order
    std::map<std::string, std::string> unreadable_;  // messages by ProfileId
    std::unordered_set<std::string> counterNames_;
    std::vector<std::string> allCounterNames_;
    std::vector<std::string> uncountedNames_; // added since the views were last counted
    bool recountAll_ = true;                  // a profile came that the counts do not know yet

    // The index as far as it has been read: its header line (empty before the first reading) and the
    // length of its whole lines.
    std::string header_;
    std::uint64_t offset_ = 0;
    // Whether the picture is known to be complete up to known_, the latest folder times it accounts for.
    bool settled_ = false;
    ProfileFolderTimes known_;
};

} // namespace vq
