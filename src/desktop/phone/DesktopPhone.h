#pragma once

#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/SystemInfo.h"
#include "desktop/phone/QtBrowserView.h"
#include "desktop/phone/QtCapture.h"
#include "desktop/phone/TForm1.h"
#include "shell/Phone.h"

#include <memory>

namespace vq {

// One station on this computer: the core phone on the real browser view and camera, and its window.
class DesktopPhone {
public:
    DesktopPhone(const SystemInfo& system, const Clock& clock, ErrorReporter& errors, CaptureSource camera,
                 EventTrace* trace = nullptr);
    DesktopPhone(const DesktopPhone&) = delete;
    DesktopPhone& operator=(const DesktopPhone&) = delete;
    ~DesktopPhone();

    // The window's creation: start-up runs, then the phone appears.
    void Start();

    [[nodiscard]] Phone& phone() { return phone_; }
    [[nodiscard]] TForm1& window() { return *window_; }
    [[nodiscard]] QtBrowserView& browser() { return browser_; }

private:
    QtBrowserView browser_;
    QtCapture capture_;
    Phone phone_;
    std::unique_ptr<TForm1> window_;
};

} // namespace vq
