#pragma once

namespace vq {
class Phone;

// The soft keys and the list of the mail panel; what each does depends on the screen mode.
void MailLeftKey(Phone& phone);
void MailUpKey(Phone& phone);
void MailCentreKey(Phone& phone);
void MailBackKey(Phone& phone);
void MailListClick(Phone& phone);

} // namespace vq
