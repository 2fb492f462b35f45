#include "mail/MailDelivery.h"

#include "mail/MailScreens.h"
#include "shell/Phone.h"

namespace vq {
namespace {

// The teaching page asks the pupil to send a mail: the new-mail screen opens, filled in.
void OpenPreparedMail(Phone& phone, std::u16string_view address, std::u16string_view subject,
                      std::u16string_view body) {
    ShowNewMail(phone);
    phone.mail.ScreenMode = "NM";
    MailPanel& panel = phone.mailPanel;
    panel.ComboBoxMail.Text = address;
    panel.txtNewSubject.Text = subject;
    panel.txtNewBody.Text = body;
}

} // namespace

void ReactToSpamSignUpPage(Phone& phone) {
    OpenPreparedMail(phone, u"spam_Mail", u"会員登録します", u"メールを送ります");
}

void ReactToPhotoMailPage(Phone& phone) {
    OpenPreparedMail(phone, u"send_Photo_Mail", u"プロフに写真を登録", u"「カメラ」で「撮影」してください");
}

} // namespace vq
