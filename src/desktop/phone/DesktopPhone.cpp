#include "desktop/phone/DesktopPhone.h"

#include "desktop/phone/MailPanelView.h"
#include "shell/StartUp.h"

namespace vq {

DesktopPhone::DesktopPhone(const SystemInfo& system, const Clock& clock, ErrorReporter& errors, CaptureSource camera,
                           EventTrace* trace)
    : browser_(DataRootIn(system.CurrentDirectory()), StationNameFrom(system.ComputerName())),
      capture_(camera),
      phone_(PhoneServices{browser_, clock, errors, system, trace, std::nullopt, &capture_}),
      window_(std::make_unique<TForm1>(phone_, browser_, [&errors](const std::string& message) { errors.Report(message); })) {
    // Start-up lays the camera's preview window into the mail panel's preview area.
    capture_.SetPreviewArea(&window_->MailPanel().CameraPreview());
}

DesktopPhone::~DesktopPhone() = default;

void DesktopPhone::Start() {
    window_->Run([this] { phone_.FormCreate(); });
    window_->show();
}

} // namespace vq
