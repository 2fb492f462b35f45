#include "shell/Keys.h"

#include "platform/Text.h"
#include "shell/Phone.h"
#include "shell/PictureLoading.h"

#include <array>

namespace vq {
namespace {

constexpr std::array<const char*, 10> kBodyPictures{
    "body_picture/smartphoneK.bmp", "body_picture/smartphoneW.bmp", "body_picture/smartphoneB.bmp",
    "body_picture/smartphoneR.bmp", "body_picture/smartphoneY.bmp", "body_picture/smartphoneG.bmp",
    "body_picture/chocolate.bmp",   "body_picture/slaim.bmp",       "body_picture/transparency.bmp",
    "body_picture/iPhone_W.bmp"};

constexpr int kOneKeySwatch = 10;
constexpr int kOutOfReach = 1000;

void ChooseOneKeySkin(Phone& phone) {
    PhoneWindow& w = phone.window;
    LoadPicture(w.Image1, phone.DataPath(kBodyPictures[kOneKeySwatch - 1]));
    w.BitBtnLeft.Left = kOutOfReach;
    w.BitBtnNet.Left = kOutOfReach;
    w.BitBtnDown.Top = phone.shell.SavedKeyLayout.homeTop + 20;
    w.BitBtnDown.Left = 170;
    w.BitBtnDown.Width = 60;
    w.BitBtnDown.Height = 60;
    LoadGlyph(w.BitBtnDown, phone.DataPath("body_picture/iPhoneButton.bmp"));
}

} // namespace

void PlaceBrowserOnScreen(Phone& phone) {
    PhoneWindow& w = phone.window;
    w.pnlURL.Visible = false;
    w.pnlMail.Visible = false;
    w.WebBrowser1.Left = w.pnlURL.Left;
    w.WebBrowser1.Top = w.pnlURL.Top;
}

void TakeBrowserOffScreen(Phone& phone) { phone.window.WebBrowser1.Left = kOffScreenLeft; }

void BackKey(Phone& phone) {
    const std::string address = phone.browser.CurrentAddress();
    if (MatchesPageName(address, "adult.html")) {
        phone.Navigate(phone.StartPage);
    } else if (MatchesPageName(address, "risk.html")) {
        phone.Navigate(phone.DataPath("risk/adult.html"));
    } else if (!phone.browser.GoBack()) {
        phone.Navigate(phone.StartPage);
    }
}

void HomeKey(Phone& phone) {
    PlaceBrowserOnScreen(phone);
    phone.Navigate(phone.StartPage);
    phone.mail.ScreenMode = "W";
    phone.sites.BoardShown = 0;
    phone.sites.ChatShown = 0;
}

void MenuKey(Phone& phone) {
    PlaceBrowserOnScreen(phone);
    phone.Navigate(phone.DataPath("kyouzai/contents/option0-1.html"));
    phone.mail.ScreenMode = "W";
}

void RestoreKeyLayout(Phone& phone) {
    PhoneWindow& w = phone.window;
    const KeyLayout& saved = phone.shell.SavedKeyLayout;
    w.BitBtnLeft.Left = saved.backLeft;
    w.BitBtnNet.Left = saved.menuLeft;
    w.BitBtnDown.Left = saved.homeLeft;
    w.BitBtnDown.Top = saved.homeTop;
    w.BitBtnDown.Width = saved.homeWidth;
    w.BitBtnDown.Height = saved.homeHeight;
    LoadGlyph(w.BitBtnDown, phone.DataPath("body_picture/icon_A_home.bmp"));
}

void ChooseSkin(Phone& phone, int swatch) {
    if (swatch < 1 || swatch > kOneKeySwatch) return;
    if (swatch == kOneKeySwatch) {
        ChooseOneKeySkin(phone);
        return;
    }
    RestoreKeyLayout(phone);
    LoadPicture(phone.window.Image1, phone.DataPath(kBodyPictures[static_cast<std::size_t>(swatch - 1)]));
}

bool HitTest(Phone& phone, bool leftButtonDown, int cursorClientY, int windowLeft, int windowTop) {
    const bool caption = leftButtonDown && cursorClientY < phone.window.form.Height;
    phone.shell.SavedWindowPos = {windowTop, windowLeft};
    phone.window.form.Left = windowLeft;
    phone.window.form.Top = windowTop;
    return caption;
}

} // namespace vq
