#include "platform/qt/DesktopPhone.h"

namespace vq {

DesktopPhone::DesktopPhone(const SystemInfo& system, const Clock& clock, ErrorReporter& errors, EventTrace* trace)
    : phone_(PhoneServices{browser_, clock, errors, system, trace, std::nullopt}),
      window_(std::make_unique<TForm1>(phone_, browser_, [&errors](const std::string& message) { errors.Report(message); })) {}

DesktopPhone::~DesktopPhone() = default;

void DesktopPhone::Start() {
    window_->Run([this] { phone_.FormCreate(); });
    window_->show();
}

} // namespace vq
