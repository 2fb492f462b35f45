#pragma once

#include "mail/MailTable.h"

namespace vq {
class Phone;

// Fills ListBox1 with the subjects of a table, newest first, and shows the newest mail.
void FillMailList(Phone& phone, MailBox box);

// Lists the subjects of a table, newest first, with no row selected.
void ListSubjects(Phone& phone, MailBox box);

// Shows the mail of the selected row: its party and time in the labels, its text in the body
// field, its photo in the photo area, and a link in it on the centre key.
void ShowMailEntry(Phone& phone, MailBox box);

// The mail of the selected row, or none when no row of the list is selected.
[[nodiscard]] const MailEntry* SelectedEntry(Phone& phone, MailBox box);

} // namespace vq
