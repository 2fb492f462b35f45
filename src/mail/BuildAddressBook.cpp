#include "mail/BuildAddressBook.h"

#include "mail/InboxDirectory.h"
#include "platform/Text.h"
#include "shell/Phone.h"

namespace vq {

void BuildAddressBook(Phone& phone) {
    const std::vector<InboxListing> inboxes = ListInboxes(phone);
    std::vector<std::u16string>& items = phone.mailPanel.ComboBoxMail.Items;
    items.clear();
    for (const InboxListing& inbox : inboxes) items.push_back(ToWide(inbox.station));
}

} // namespace vq
