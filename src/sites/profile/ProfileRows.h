#pragma once

#include "sites/profile/ProfileListing.h"
#include "sites/profile/ProfileState.h"

#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The HTML rows of the profile pages. Questions come with the teaching content and go in as they
// are; what pupils typed (names, answers) is escaped.

enum class ProfileLink {
    View,   // the stored page itself (list, ranking, search)
    Edit,   // its edit password page
    Delete, // its delete password page
};

// One row of a list: view count, picture, name and a link, ending with CR LF.
[[nodiscard]] std::u16string ProfileListRow(std::string_view dataRoot, const StoredProfile& profile, ProfileLink link);
// The rows of all profiles in their order, as CP932 for the page.
[[nodiscard]] std::string ProfileListRows(std::string_view dataRoot, const std::vector<StoredProfile>& profiles,
                                          ProfileLink link);

enum class ProfileForm {
    Creation, // empty inputs
    Edit,     // inputs filled with the answers
};

// One question and its input for each used question slot from 1 on.
[[nodiscard]] std::u16string ProfileFormRows(const ProfileState& profile, ProfileForm form);
// One question and its answer for each answered slot from 1 on; the password is never shown.
[[nodiscard]] std::u16string ProfileShowRows(const ProfileState& profile);

} // namespace vq
