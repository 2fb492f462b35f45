#include "shell/ColourPanel.h"

#include "mail/MailKeys.h"
#include "shell/Phone.h"

namespace vq {

void OpenColourPanel(Phone& phone, const std::string&) {
    phone.mail.ScreenMode = "W";
    MailBackKey(phone);
}

} // namespace vq
