#include "sites/profile/ProfileHandlers.h"

// This site is not built yet: its pages run nothing.
namespace vq {

void ProfileWriteStart(Phone&, const std::string&) {}
void ProfilePictureChosen(Phone&, const std::string&) {}
void ProfileAnswersStored(Phone&, const std::string&) {}
void ProfileList(Phone&, const std::string&) {}
void ProfileRanking(Phone&, const std::string&) {}
void ProfileViewCounted(Phone&, const std::string&) {}
void ProfileEditList(Phone&, const std::string&) {}
void ProfileEditPasswordPage(Phone&, const std::string&) {}
void ProfileEditPasswordCheck(Phone&, const std::string&) {}
void ProfileEditForm(Phone&, const std::string&) {}
void ProfileEditStored(Phone&, const std::string&) {}
void ProfileDeleteList(Phone&, const std::string&) {}
void ProfileDeletePasswordPage(Phone&, const std::string&) {}
void ProfileDelete(Phone&, const std::string&) {}
void ProfileSearch(Phone&, const std::string&) {}

} // namespace vq
