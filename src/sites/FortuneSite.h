#pragma once

#include <string>

namespace vq {
class Phone;

// The five fortunes: each reads the fortune's form and shows its answer.
void NameFortune(Phone& phone, const std::string& address);
void StarSignFortune(Phone& phone, const std::string& address);
void MailAddressFortune(Phone& phone, const std::string& address);
void PhoneNumberFortune(Phone& phone, const std::string& address);
void CompatibilityFortune(Phone& phone, const std::string& address);

} // namespace vq
