#pragma once

#include "mail/MailPanel.h"
#include "mail/MailState.h"
#include "platform/BrowserView.h"
#include "platform/Capture.h"
#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/Random.h"
#include "platform/SystemInfo.h"
#include "shell/EventTrace.h"
#include "shell/PhoneWindow.h"
#include "shell/ShellState.h"
#include "site/SiteState.h"
#include "sites/SitesState.h"
#include "sites/profile/ProfileState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vq {

// What a phone is given by the computer it runs on.
struct PhoneServices {
    BrowserView& browser;
    const Clock& clock;
    ErrorReporter& errors;
    const SystemInfo& system;
    EventTrace* trace = nullptr;
    std::optional<std::uint32_t> seed; // fixed random seed; otherwise start-up seeds from the clock
    Capture* capture = nullptr;        // the video-capture device; null on a PC without one
};

// One station: the window's state and everything the pages share, grouped by subsystem. Every
// event a pupil or a timer causes reaches the core as one call of a method named after that event;
// each catches the platform's errors, reports them and returns.
class Phone final : public BrowserEvents {
public:
    explicit Phone(PhoneServices services);
    Phone(const Phone&) = delete;
    Phone& operator=(const Phone&) = delete;
    ~Phone() override;

    // Event entry points.
    void FormCreate();
    void WebBrowser1BeforeNavigate2(const std::string& address) override;
    void WebBrowser1NavigateComplete2(const std::string& address) override;
    void BitBtnLeftClick();
    void BitBtnDownClick();
    void BitBtnNetClick();
    void btnEndClick();
    void SpeedButtonClick(int swatch); // SpeedButton1Click .. SpeedButton10Click
    void btnURLClick();
    // True when the window should answer "caption area", so the window system drags it.
    bool FormHitTest(bool leftButtonDown, int cursorClientY, int windowLeft, int windowTop);
    void lblButtonLeftClick();
    void lblButtonUpClick();
    void lblButtonCenterClick();
    void lblButtonRightClick();
    void ListBox1Click();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    // Program-started navigation; every handler navigates through here.
    void Navigate(const std::string& address);
    // DataRoot + a relative path written with "/".
    [[nodiscard]] std::string DataPath(std::string_view relative) const;
    void Trace(std::string_view kind, const std::string& text) const;
    // Reports an error that comes back while its cause stays only when it is new (RepeatedErrors).
    void ReportOnce(RepeatedError kind, const std::string& utf8Message);

    BrowserView& browser;
    const Clock& clock;
    ErrorReporter& errors;
    const SystemInfo& system;
    Random random;
    const std::optional<std::uint32_t> fixedSeed;
    Capture* const capture;

    // Identity and paths, fixed at start-up.
    std::string StartPage;
    std::string DataRoot;
    std::string StationName;
    std::string StationAddress;

    PhoneWindow window = DesignedPhoneWindow();
    MailPanel mailPanel = DesignedMailPanel();
    ShellState shell;
    SiteState site;
    SitesState sites;
    ProfileState profile;
    MailState mail;

private:
    template <typename Body>
    void RunEvent(Body&& body);

    EventTrace* trace_;
};

} // namespace vq
