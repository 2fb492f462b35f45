#include "mail/MailOpening.h"

#include "mail/MailKeys.h"
#include "shell/Phone.h"

namespace vq {

void OpenMailFromPage(Phone& phone, const std::string&) {
    phone.Navigate(phone.StartPage);
    MailLeftKey(phone);
}

} // namespace vq
