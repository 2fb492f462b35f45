#include "shell/Phone.h"

#include "mail/MailDelivery.h"
#include "mail/MailKeys.h"
#include "platform/PlatformError.h"
#include "shell/Heartbeat.h"
#include "shell/Keys.h"
#include "shell/StartUp.h"
#include "site/Dispatcher.h"
#include "site/NavigateComplete.h"

#include <exception>
#include <optional>

namespace vq {

Phone::Phone(PhoneServices services)
    : browser(services.browser),
      clock(services.clock),
      errors(services.errors),
      system(services.system),
      fixedSeed(services.seed),
      capture(services.capture),
      trace_(services.trace) {
    browser.SetListener(this);
}

Phone::~Phone() { browser.SetListener(nullptr); }

namespace {

// An error ends the event at the point where it happened; what was written before stays written.
template <typename Body>
std::optional<std::string> FailureOf(Body&& body) {
    try {
        body();
        return std::nullopt;
    } catch (const PlatformError& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("予期しないエラー: ") + e.what();
    }
}

} // namespace

// A phone refused its name at start acts as no station: it takes no mail and makes and bills nothing.
template <typename Body>
void Phone::RunEvent(Body&& body) {
    if (shell.StationRefused) return;
    if (const auto failure = FailureOf(body)) errors.Report(*failure);
}

void Phone::FormCreate() { RunEvent([&] { RunStartUp(*this); }); }

void Phone::WebBrowser1BeforeNavigate2(const std::string& address) {
    Trace("before", address);
    RunEvent([&] { Dispatch(*this, address); });
}

void Phone::WebBrowser1NavigateComplete2(const std::string& address) {
    Trace("complete", address);
    RunEvent([&] { OnNavigateComplete(*this, address); });
}

void Phone::BitBtnLeftClick() { RunEvent([&] { BackKey(*this); }); }
void Phone::BitBtnDownClick() { RunEvent([&] { HomeKey(*this); }); }
void Phone::BitBtnNetClick() { RunEvent([&] { MenuKey(*this); }); }
void Phone::btnEndClick() { shell.CloseRequested = true; }
void Phone::SpeedButtonClick(int swatch) { RunEvent([&] { ChooseSkin(*this, swatch); }); }
void Phone::btnURLClick() { RunEvent([&] { MailBackKey(*this); }); }

bool Phone::FormHitTest(bool leftButtonDown, int cursorClientY, int windowLeft, int windowTop) {
    bool caption = false;
    RunEvent([&] { caption = HitTest(*this, leftButtonDown, cursorClientY, windowLeft, windowTop); });
    return caption;
}

void Phone::lblButtonLeftClick() { RunEvent([&] { MailLeftKey(*this); }); }
void Phone::lblButtonUpClick() { RunEvent([&] { MailUpKey(*this); }); }
void Phone::lblButtonCenterClick() { RunEvent([&] { MailCentreKey(*this); }); }
void Phone::lblButtonRightClick() { RunEvent([&] { MailBackKey(*this); }); }
void Phone::ListBox1Click() { RunEvent([&] { MailListClick(*this); }); }
// The poll runs every 25 seconds whether the pupil looks or not: a failure that stays is told once.
// The heartbeat follows whatever the poll did: a poll that fails does not make a running phone look
// gone, and one that made the inbox again has taken the station lock anew.
void Phone::Timer1Timer() {
    if (shell.StationRefused) return;
    if (const auto failure = FailureOf([&] { PollMail(*this); })) ReportOnce(RepeatedError::MailPoll, *failure);
    else shell.ShownErrors.Clear(RepeatedError::MailPoll);
    BeatHeart(*this);
}
void Phone::Timer2Timer() { RunEvent([&] { ShakeTick(*this); }); }
void Phone::Timer3Timer() { RunEvent([&] { SendNoticeTick(*this); }); }

void Phone::Navigate(const std::string& address) {
    Trace("navigate", address);
    browser.Navigate(address);
}

std::string Phone::DataPath(std::string_view relative) const {
    std::string path = DataRoot;
    path.append(relative);
    return path;
}

void Phone::ReportOnce(RepeatedError kind, const std::string& utf8Message) {
    if (shell.ShownErrors.ShouldShow(kind, utf8Message)) errors.Report(utf8Message);
}

void Phone::Trace(std::string_view kind, const std::string& text) const {
    if (trace_) trace_->Event(kind, text);
}

} // namespace vq
