#pragma once

#include "mail/MailState.h"

namespace vq {

enum class MailBox { Received, Sent };

// One of the two mail tables with its count of used slots.
struct MailTable {
    std::vector<MailEntry>& slots;
    int& count;
    MailBox box;
};

[[nodiscard]] MailTable TableOf(MailState& mail, MailBox box);

// Puts the entry into slot count and counts it; the table grows when every slot is in use.
void AddMailEntry(MailTable table, MailEntry entry);

// Deletes slot k and closes the gap; a k outside the used slots changes nothing.
void RemoveMailEntry(MailTable table, int k);

// Lists show a table newest first: row `row` of a list of `rows` rows is this slot.
[[nodiscard]] constexpr int SlotOfRow(int rows, int row) { return rows - 1 - row; }

} // namespace vq
