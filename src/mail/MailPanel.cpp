#include "mail/MailPanel.h"

namespace vq {
namespace {

Label TextLabel(int left, int top, int width, int height, const char16_t* caption, int fontHeight) {
    Label l = Placed<Label>(left, top, width, height);
    l.Caption = caption;
    l.font = {fontHeight, false};
    return l;
}

Label SoftKey(int left, int top, const char16_t* caption) {
    Label l = Placed<Label>(left, top, 90, 40);
    l.Caption = caption;
    l.font = {27, true};
    l.colour = {128, 128, 128};
    l.textColour = {255, 255, 255};
    l.centred = true;
    return l;
}

} // namespace

MailPanel DesignedMailPanel() {
    MailPanel p;
    p.lblMailTitle = Placed<Label>(0, 0, 340, 31);
    p.lblMailTitle.font = {24, true};
    p.lblMailTitle.colour = {166, 202, 240};
    p.lblMailTitle.centred = true;
    p.ListBox1 = Placed<ListBox>(14, 37, 315, 92);
    p.ListBox1.font = {19, true};
    p.lblNewAddress = TextLabel(16, 37, 265, 30, u"宛先アドレス", 19);
    p.ComboBoxMail = Placed<ComboBox>(12, 68, 321, 31);
    p.ComboBoxMail.font = {19, false};
    p.lblNewSubject = TextLabel(16, 105, 265, 30, u"題名", 19);
    p.lblMailAddress = TextLabel(16, 135, 265, 30, u"宛先", 19);
    p.txtNewSubject = Placed<Edit>(14, 135, 315, 33);
    p.txtNewSubject.Text = u"題名を入力";
    p.txtNewSubject.font = {21, false};
    p.lblNewBody = TextLabel(16, 170, 265, 30, u"本文", 19);
    p.txtNewBody = Placed<Edit>(14, 206, 315, 229);
    p.txtNewBody.Text = u"本文を入力";
    p.txtNewBody.font = {21, false};
    p.txtNewBody.multiLine = true;
    p.pnlPhoto = Placed<Panel>(104, 311, 160, 120);
    p.pnlPhoto2 = Placed<Panel>(104, 311, 160, 120);
    p.imgPhoto = Placed<Picture>(0, 0, 160, 120);
    p.lblMailSend = Placed<Label>(48, 171, 257, 50);
    p.lblMailSend.Caption = u"メール送信中";
    p.lblMailSend.font = {27, true};
    p.lblMailSend.colour = {0, 120, 215};
    p.lblMailSend.textColour = {255, 255, 255};
    p.lblMailSend.centred = true;
    p.lblButtonLeft = SoftKey(14, 451, u"送信");
    p.lblButtonUp = SoftKey(128, 451, u"削除");
    p.lblButtonRight = SoftKey(240, 451, u"もどる");
    p.lblButtonCenter = SoftKey(128, 497, u"表示");
    return p;
}

} // namespace vq
