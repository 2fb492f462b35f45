#include "mail/MailDelivery.h"

#include "mail/BuildAddressBook.h"
#include "mail/TakeInbox.h"

namespace vq {

void PollMail(Phone& phone) {
    BuildAddressBook(phone);
    TakeInbox(phone);
}

} // namespace vq
