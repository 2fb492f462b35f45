#pragma once

#include "shell/Controls.h"

#include <array>

namespace vq {

// The controls of the phone window as designed; start-up and the keys move them from here.
struct PhoneWindow {
    Control form;          // the window itself: client area and screen position
    Picture Image1;        // the phone body
    Picture Image2;        // the status bar
    Control WebBrowser1;   // the browser view
    Panel pnlMail;         // the mail application (its controls are in MailPanel)
    Panel pnlURL;          // the colour panel
    Button btnEnd;         // power key
    Button BitBtnLeft;     // back key
    Button BitBtnDown;     // home key
    Button BitBtnNet;      // menu key
    Label lblURL;
    Panel Panel1;
    std::array<Button, 10> SpeedButtons; // SpeedButton1 .. SpeedButton10
    Button btnURL;
    Label lblURL2;
    Timer Timer1;
    Timer Timer2;
    Timer Timer3;

    Button& SpeedButton(int n) { return SpeedButtons.at(static_cast<std::size_t>(n - 1)); }
};

PhoneWindow DesignedPhoneWindow();

// Where the browser sits when it is on the phone's screen, and where it goes when it is not.
inline constexpr int kScreenLeft = 30;
inline constexpr int kScreenTop = 55;
inline constexpr int kOffScreenLeft = 500;

} // namespace vq
