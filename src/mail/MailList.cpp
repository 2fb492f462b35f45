#include "mail/MailList.h"

#include "mail/MailPaths.h"
#include "shell/Phone.h"
#include "shell/PictureLoading.h"
#include "site/MailLink.h"

namespace vq {
namespace {

// Loads the photo before anything else of the body changes, so that a missing photo leaves the
// body field as it was. A photo that cannot be shown is not attached either: a reply from this screen
// must carry neither a name whose file is gone nor the photo of the mail shown before.
void ShowEntryBody(Phone& phone, const MailEntry& entry) {
    MailPanel& panel = phone.mailPanel;
    if (entry.Photo.empty()) {
        panel.txtNewBody.Text = entry.Body;
        panel.pnlPhoto2.Visible = false;
        return;
    }
    panel.pnlPhoto2.Visible = false;
    const std::string photoPath = MailPhotoPath(phone, entry.Photo); // a name that escapes the folder stops here
    LoadPhoto(panel.imgPhoto, photoPath);
    phone.mail.CurrentPhoto = entry.Photo;
    phone.mail.CurrentPhotoIsSnapshot = false;
    panel.pnlPhoto2.Visible = true;
    panel.txtNewBody.Text = entry.Body;
}

} // namespace

void ListSubjects(Phone& phone, MailBox box) {
    const MailTable table = TableOf(phone.mail, box);
    ListBox& list = phone.mailPanel.ListBox1;
    list.Items.clear();
    for (int slot = table.count - 1; slot >= 0; --slot) list.Items.push_back(table.slots[static_cast<std::size_t>(slot)].Subject);
    list.ItemIndex = -1;
}

void FillMailList(Phone& phone, MailBox box) {
    ListSubjects(phone, box);
    if (phone.mailPanel.ListBox1.Items.empty()) return;
    phone.mailPanel.ListBox1.ItemIndex = 0;
    ShowMailEntry(phone, box);
}

const MailEntry* SelectedEntry(Phone& phone, MailBox box) {
    const ListBox& list = phone.mailPanel.ListBox1;
    const int rows = static_cast<int>(list.Items.size());
    if (list.ItemIndex < 0 || list.ItemIndex >= rows) return nullptr;
    // Rows are counted from the list, not the table: mail taken in after the list was filled went
    // to the end of the table and must not shift which mail a row means.
    const int slot = SlotOfRow(rows, list.ItemIndex);
    const MailTable table = TableOf(phone.mail, box);
    if (slot < 0 || slot >= table.count) return nullptr;
    return &table.slots[static_cast<std::size_t>(slot)];
}

void ShowMailEntry(Phone& phone, MailBox box) {
    const MailEntry* entry = SelectedEntry(phone, box);
    if (!entry) return;
    MailPanel& panel = phone.mailPanel;
    panel.lblMailAddress.Caption = (box == MailBox::Received ? u"差出人 " : u"宛先 ") + entry->Party;
    panel.lblNewBody.Caption = u"日時 " + entry->SentAt;
    ShowEntryBody(phone, *entry);
    FindMailLink(phone);
}

} // namespace vq
