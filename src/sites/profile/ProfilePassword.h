#pragma once

#include "sites/profile/ProfileState.h"

#include <string>

namespace vq {
class Phone;

// A profile is edited or deleted by whoever knows its password. The password pages show the stored
// page itself with a small password form in front of its table.

enum class PasswordTry { First, Wrong };

// The password page of the profile that an edit or delete link names; the profile becomes ProfileTarget.
void ShowPasswordPage(Phone& phone, const std::string& address, ProfileAction action);
// The stored page of ProfileTarget with the password form for the action.
void ShowStoredPageWithPasswordForm(Phone& phone, ProfileAction action, PasswordTry attempt);

struct PasswordCheck {
    bool right = false;
    std::u16string picture; // the stored picture path
};
// Compares the typed password (element 0 of the form) with the stored one, letter case included.
// A right one loads the stored answers of ProfileTarget into ProfileAnswers and lets the action go
// on with that profile; a wrong one forgets any earlier pass.
[[nodiscard]] PasswordCheck CheckProfilePassword(Phone& phone, ProfileAction action);

// True when the password of ProfileTarget was given right for the action since the last password
// page. Otherwise shows the password page of ProfileTarget again, so that nothing is written.
[[nodiscard]] bool PassedOrAskAgain(Phone& phone, ProfileAction action);

// The ProfileId of ProfileTarget; an error when no profile has been chosen.
[[nodiscard]] std::string ChosenProfileId(const Phone& phone);

} // namespace vq
