#pragma once

#include <string>

namespace vq {
class Phone;

// The charge page turns the activity log into a bill; the number page shows the phone's number.
void ShowChargePage(Phone& phone, const std::string& address);
void ShowPhoneNumberPage(Phone& phone, const std::string& address);

} // namespace vq
