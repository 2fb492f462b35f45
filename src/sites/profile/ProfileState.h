#pragma once

#include <string>
#include <vector>

namespace vq {

inline constexpr int kProfileQuestionCount = 31;

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
};

} // namespace vq
