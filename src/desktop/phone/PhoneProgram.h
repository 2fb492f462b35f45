#pragma once

#include "desktop/common/ClassroomProgram.h"
#include "desktop/phone/ClassroomSystemInfo.h"
#include "desktop/phone/MessageBoxErrorReporter.h"
#include "desktop/phone/QtCapture.h"
#include "platform/Clock.h"
#include "platform/SystemInfo.h"

#include <filesystem>
#include <memory>

namespace vq {

class DesktopPhone;

// The phone program after its command line: the station on a classroom folder, or first the screen
// that finds one. Ends the application when the phone is switched off or that screen is closed.
class PhoneProgram final : public ClassroomProgram {
    Q_OBJECT
public:
    PhoneProgram(Places places, CaptureSource camera);
    ~PhoneProgram() override;

    [[nodiscard]] DesktopPhone* Station() const { return station_.get(); }

private:
    void StartOn(const std::filesystem::path& classroom) override;
    [[nodiscard]] FirstRunWindow::Wording FirstRunWording() const override;
    void ReportMissingTeachingFiles(const std::filesystem::path& classroom);

    CaptureSource camera_;
    HostSystemInfo host_;
    SystemClock clock_;
    MessageBoxErrorReporter errors_;
    std::unique_ptr<ClassroomSystemInfo> system_;
    std::unique_ptr<DesktopPhone> station_;
};

} // namespace vq
