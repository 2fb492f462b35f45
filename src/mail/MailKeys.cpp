#include "mail/MailKeys.h"

#include "shell/Keys.h"
#include "shell/Phone.h"

namespace vq {

// The mail screens are not built yet; the back key already leads between the web view and the
// colour panel.

void MailLeftKey(Phone&) {}
void MailUpKey(Phone&) {}
void MailCentreKey(Phone&) {}
void MailListClick(Phone&) {}

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
    }
}

} // namespace vq
