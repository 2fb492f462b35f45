#include "mail/MailKeys.h"

#include "mail/Camera.h"
#include "mail/MailDelivery.h"
#include "mail/MailList.h"
#include "mail/MailNotices.h"
#include "mail/MailScreens.h"
#include "mail/SendMail.h"
#include "mail/TakeInbox.h"
#include "platform/PlatformError.h"
#include "shell/Keys.h"
#include "shell/Phone.h"
#include "site/MailLink.h"

#include <exception>

namespace vq {
namespace {

// Reply and re-edit: the new-mail screen addressed to the selected mail's party, keeping the shown
// body (and an attached photo) for the pupil to build on.
void ComposeFrom(Phone& phone, MailBox box, std::u16string_view subjectPrefix) {
    const MailEntry* entry = SelectedEntry(phone, box);
    if (!entry) return;
    MailPanel& panel = phone.mailPanel;
    const std::u16string party = entry->Party;
    panel.txtNewSubject.Text = std::u16string(subjectPrefix) + entry->Subject;
    ShowNewMail(phone);
    phone.mail.ScreenMode = "NM";
    panel.ComboBoxMail.Text = party;
}

void BackToMailMenu(Phone& phone) {
    phone.mail.ScreenMode = "M";
    ShowMailMenu(phone);
}

void OpenBoxFromMenu(Phone& phone, int row) {
    MailPanel& panel = phone.mailPanel;
    if (row == 0) {
        ShowReceivedBox(phone);
        phone.mail.ScreenMode = "RM";
        FillMailList(phone, MailBox::Received);
    } else if (row == 1) {
        ShowSentBox(phone);
        phone.mail.ScreenMode = "SM";
        FillMailList(phone, MailBox::Sent);
    } else if (row == 2) {
        panel.txtNewSubject.Text.clear();
        panel.txtNewBody.Text.clear();
        ShowNewMail(phone);
        phone.mail.ScreenMode = "NM";
    }
}

void ShowEmptyBox(MailPanel& panel, MailBox box) {
    panel.lblMailAddress.Caption = box == MailBox::Received ? u"差出人" : u"宛先 ";
    panel.lblNewBody.Caption = u"日時 ";
    panel.txtNewBody.Text.clear();
    panel.lblButtonLeft.Visible = false;
    panel.lblButtonUp.Visible = false;
    panel.lblButtonCenter.Visible = false;
}

void DeleteSelectedMail(Phone& phone, MailBox box, int row) {
    ListBox& list = phone.mailPanel.ListBox1;
    const MailTable table = TableOf(phone.mail, box);
    RemoveMailEntry(table, SlotOfRow(static_cast<int>(list.Items.size()), row));
    ListSubjects(phone, box);
    if (table.count == 0) {
        ShowEmptyBox(phone.mailPanel, box);
        return;
    }
    // The row keeps its number (now the next older mail) unless it was the last one.
    list.ItemIndex = row < table.count ? row : (row > 0 ? row - 1 : 0);
    ShowMailEntry(phone, box);
}

} // namespace

void MailLeftKey(Phone& phone) {
    ShowMailPanel(phone);
    std::string& mode = phone.mail.ScreenMode;
    if (mode == "W" || mode == "WM") {
        // The menu comes first, so that an inbox that cannot be read still leaves the menu usable.
        BackToMailMenu(phone);
        PollMail(phone);
    } else if (mode == "RM") {
        ComposeFrom(phone, MailBox::Received, u"Re:");
    } else if (mode == "SM") {
        ComposeFrom(phone, MailBox::Sent, u"");
    } else if (mode == "NM") {
        // A mail that reaches nobody stays on the screen, to be addressed again.
        if (SendMail(phone) == SendResult::NoRecipient) StartNoRecipientNotice(phone);
        else BackToMailMenu(phone);
    }
}

void MailUpKey(Phone& phone) {
    MailPanel& panel = phone.mailPanel;
    const std::string& mode = phone.mail.ScreenMode;
    if (mode == "NM") {
        if (panel.lblButtonUp.Caption == u"カメラ") StartPreview(phone);
        else TakeSnapshot(phone);
        return;
    }
    panel.pnlPhoto2.Visible = false;
    const int row = panel.ListBox1.ItemIndex;
    if (row < 0 || row >= static_cast<int>(panel.ListBox1.Items.size())) return;
    if (mode == "RM") DeleteSelectedMail(phone, MailBox::Received, row);
    else if (mode == "SM") DeleteSelectedMail(phone, MailBox::Sent, row);
    else FindMailLink(phone);
}

void MailCentreKey(Phone& phone) {
    const std::string target = phone.site.MailLinkTarget;
    if (target.empty()) return;
    PlaceBrowserOnScreen(phone);
    // The mode is the web view's before the link's page is dispatched: a page that opens the mail
    // again must find the phone showing the web.
    phone.mail.ScreenMode = "W";
    phone.Navigate(target);
}

void MailListClick(Phone& phone) {
    MailPanel& panel = phone.mailPanel;
    panel.pnlPhoto.Visible = false;
    panel.pnlPhoto2.Visible = false;
    const std::string& mode = phone.mail.ScreenMode;
    if (mode == "M") {
        const int row = panel.ListBox1.ItemIndex;
        if (row < 0) return;
        // A mail left unsent (its address had no inbox) goes now if its station has come in.
        (void)SendMail(phone);
        // An inbox that cannot be read keeps no box from opening: what was received is still shown.
        std::exception_ptr takeFailure;
        try {
            TakeInbox(phone);
        } catch (const PlatformError&) {
            takeFailure = std::current_exception();
        }
        OpenBoxFromMenu(phone, row);
        if (takeFailure) std::rethrow_exception(takeFailure);
    } else if (mode == "RM") {
        ShowMailEntry(phone, MailBox::Received);
    } else if (mode == "SM") {
        ShowMailEntry(phone, MailBox::Sent);
    }
}

void MailBackKey(Phone& phone) {
    MailPanel& panel = phone.mailPanel;
    panel.pnlPhoto.Visible = false;
    panel.pnlPhoto2.Visible = false;
    panel.lblButtonUp.Visible = false;
    panel.lblButtonCenter.Visible = false;
    phone.sites.BoardShown = 0;
    phone.sites.ChatShown = 0;
    std::string& mode = phone.mail.ScreenMode;
    if (mode == "M") {
        PlaceBrowserOnScreen(phone);
        mode = "W";
    } else if (mode == "W") {
        phone.window.pnlURL.Visible = true;
        phone.window.pnlMail.Visible = false;
        TakeBrowserOffScreen(phone);
        mode = "WM";
    } else if (mode == "WM") {
        PlaceBrowserOnScreen(phone);
        phone.Navigate(phone.StartPage);
        mode = "W";
    } else {
        panel.ComboBoxMail.Text.clear();
        BackToMailMenu(phone);
    }
}

} // namespace vq
