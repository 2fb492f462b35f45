#include "mail/MailTable.h"

#include <utility>

namespace vq {

MailTable TableOf(MailState& mail, MailBox box) {
    if (box == MailBox::Received) return {mail.ReceivedMails, mail.ReceivedCount, box};
    return {mail.SentMails, mail.SentCount, box};
}

void AddMailEntry(MailTable table, MailEntry entry) {
    const auto slot = static_cast<std::size_t>(table.count);
    if (slot < table.slots.size()) table.slots[slot] = std::move(entry);
    else table.slots.push_back(std::move(entry));
    ++table.count;
}

void RemoveMailEntry(MailTable table, int k) {
    if (k < 0 || k >= table.count) return;
    for (int i = k; i + 1 < table.count; ++i)
        table.slots[static_cast<std::size_t>(i)] = std::move(table.slots[static_cast<std::size_t>(i + 1)]);
    --table.count;
}

} // namespace vq
