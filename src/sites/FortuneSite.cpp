#include "sites/FortuneSite.h"

// This site is not built yet: its pages run nothing.
namespace vq {

void NameFortune(Phone&, const std::string&) {}
void StarSignFortune(Phone&, const std::string&) {}
void MailAddressFortune(Phone&, const std::string&) {}
void PhoneNumberFortune(Phone&, const std::string&) {}
void CompatibilityFortune(Phone&, const std::string&) {}

} // namespace vq
