#pragma once

#include <string>

namespace vq {
class Phone;

// "MailStart.html": the start page comes back behind the mail menu.
void OpenMailFromPage(Phone& phone, const std::string& address);

} // namespace vq
