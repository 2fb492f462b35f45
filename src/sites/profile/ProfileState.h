#pragma once

#include "sites/profile/ProfileCatalog.h"

#include <optional>
#include <string>
#include <vector>

namespace vq {

inline constexpr int kProfileQuestionCount = 31;

enum class ProfileAction { Edit, Delete };

// The profile whose password was given right on this station, and for which of the two actions.
struct ProfilePass {
    std::string id;
    ProfileAction action = ProfileAction::Edit;
};

// The profile site's working state. Nothing clears it between flows: each page takes what the
// previous page of this station left.
struct ProfileState {
    // Slot 0 asks for the password, slot 1 for the name shown in lists; an empty slot is unused.
    std::vector<std::u16string> ProfileQuestions = std::vector<std::u16string>(kProfileQuestionCount);
    // Slot-indexed like the questions: from the creation or edit form, or from a profile data file
    // read for a password check.
    std::vector<std::u16string> ProfileAnswers = std::vector<std::u16string>(kProfileQuestionCount);
    // The picture of the profile being created or edited, relative to DataRoot.
    std::u16string ProfilePicture;
    // After a creation or a saved edit: that profile's ProfileId; while a profile is being edited or
    // deleted: the path of its stored page.
    std::string ProfileTarget;
    // Set by a right password, forgotten by a wrong one, by the next password page and by a save:
    // the pages after the check act on this profile only, so no link straight to them reaches
    // another pupil's profile.
    std::optional<ProfilePass> PassedCheck;
    // What this station last saw of the stored profiles, so a list page reads only what changed.
    ProfileCatalog Catalog;
};

} // namespace vq
