#include "mail/MailScreens.h"

#include "mail/MailNotices.h"
#include "platform/Text.h"
#include "shell/Keys.h"
#include "shell/Phone.h"

#include <initializer_list>

namespace vq {
namespace {

void ShowTitle(Phone& phone, std::u16string_view title) {
    phone.mailPanel.lblMailTitle.Caption = std::u16string(title) + ToWide(phone.StationName);
}

void ShowCaption(Label& label, std::u16string_view caption, bool visible = true) {
    label.Caption = caption;
    label.Visible = visible;
}

void Hide(std::initializer_list<Control*> controls) {
    for (Control* c : controls) c->Visible = false;
}

void ShowNewMailFields(MailPanel& panel, bool visible) {
    panel.lblNewAddress.Visible = visible;
    panel.ComboBoxMail.Visible = visible;
    panel.lblNewSubject.Visible = visible;
    panel.txtNewSubject.Visible = visible;
}

// The up key looks like the left key unless a shown mail offers a link (see FindMailLink).
void ShowUpKey(MailPanel& panel, std::u16string_view caption, bool visible) {
    ShowCaption(panel.lblButtonUp, caption, visible);
    panel.lblButtonUp.Height = panel.lblButtonLeft.Height;
    panel.lblButtonUp.font = panel.lblButtonLeft.font;
}

// A running send notice stays over whatever screen follows the send.
void HideNoticeUnlessSending(Phone& phone) {
    if (!SendNoticeRunning(phone)) phone.mailPanel.lblMailSend.Visible = false;
}

struct BoxLook {
    std::u16string_view title;
    std::u16string_view partyLabel;
    std::u16string_view leftKey;
    bool offersDelete;
};

void ShowBox(Phone& phone, const BoxLook& look, int count) {
    ShowMailPanel(phone);
    MailPanel& panel = phone.mailPanel;
    ShowTitle(phone, look.title);
    ShowNewMailFields(panel, false);
    ShowCaption(panel.lblMailAddress, look.partyLabel);
    ShowCaption(panel.lblNewBody, u"日時");
    panel.txtNewBody.Visible = true;
    ShowCaption(panel.lblButtonLeft, look.leftKey, count >= 1);
    ShowUpKey(panel, u"削除", look.offersDelete && count >= 1);
    panel.lblButtonCenter.Visible = false;
    HideNoticeUnlessSending(phone);
    panel.pnlPhoto2.Visible = false;
}

} // namespace

void ShowMailPanel(Phone& phone) {
    PhoneWindow& w = phone.window;
    w.pnlMail.Left = w.pnlURL.Left;
    w.pnlMail.Top = w.pnlURL.Top;
    w.pnlMail.Visible = true;
    w.pnlURL.Visible = false;
    TakeBrowserOffScreen(phone);
}

void ShowMailMenu(Phone& phone) {
    ShowMailPanel(phone);
    MailPanel& panel = phone.mailPanel;
    ShowTitle(phone, u"メール ");
    panel.ListBox1.Visible = true;
    panel.ListBox1.Items = {u"メール受信 Box", u"メール送信 Box", u"新規メール作成"};
    panel.ListBox1.ItemIndex = -1;
    ShowNewMailFields(panel, false);
    Hide({&panel.lblMailAddress, &panel.lblNewBody, &panel.txtNewBody, &panel.lblButtonLeft, &panel.lblButtonUp,
          &panel.lblButtonCenter, &panel.pnlPhoto, &panel.pnlPhoto2});
    HideNoticeUnlessSending(phone);
}

void ShowReceivedBox(Phone& phone) {
    ShowBox(phone, {u"受信 ", u"差出人", u"返信", true}, phone.mail.ReceivedCount);
}

void ShowSentBox(Phone& phone) { ShowBox(phone, {u"送信 ", u"宛先", u"再編集", false}, phone.mail.SentCount); }

void ShowNewMail(Phone& phone) {
    ShowMailPanel(phone);
    MailPanel& panel = phone.mailPanel;
    ShowTitle(phone, u"新規メール作成 ");
    panel.ListBox1.Visible = false;
    ShowNewMailFields(panel, true);
    panel.lblMailAddress.Visible = false;
    ShowCaption(panel.lblNewBody, u"本文");
    panel.txtNewBody.Visible = true;
    ShowCaption(panel.lblButtonLeft, u"送信");
    ShowUpKey(panel, u"カメラ", true);
    panel.lblButtonCenter.Visible = false;
    HideNoticeUnlessSending(phone);
}

} // namespace vq
