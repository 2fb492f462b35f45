#pragma once

#include <string>

namespace vq {
class Phone;

// The profile site's page handlers, in the order the dispatcher tests them.
void ProfileWriteStart(Phone& phone, const std::string& address);
void ProfilePictureChosen(Phone& phone, const std::string& address);
void ProfileAnswersStored(Phone& phone, const std::string& address);
void ProfileList(Phone& phone, const std::string& address);
void ProfileRanking(Phone& phone, const std::string& address);
void ProfileViewCounted(Phone& phone, const std::string& address);
void ProfileEditList(Phone& phone, const std::string& address);
void ProfileEditPasswordPage(Phone& phone, const std::string& address);
void ProfileEditPasswordCheck(Phone& phone, const std::string& address);
void ProfileEditForm(Phone& phone, const std::string& address);
void ProfileEditStored(Phone& phone, const std::string& address);
void ProfileDeleteList(Phone& phone, const std::string& address);
void ProfileDeletePasswordPage(Phone& phone, const std::string& address);
void ProfileDelete(Phone& phone, const std::string& address);
void ProfileSearch(Phone& phone, const std::string& address);

} // namespace vq
