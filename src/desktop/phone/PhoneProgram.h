#pragma once

#include "desktop/phone/ClassroomSystemInfo.h"
#include "desktop/phone/FirstRunWindow.h"
#include "desktop/phone/MessageBoxErrorReporter.h"
#include "desktop/phone/QtCapture.h"
#include "platform/Clock.h"
#include "platform/SystemInfo.h"

#include <QObject>

#include <filesystem>
#include <memory>
#include <optional>

namespace vq {

class DesktopPhone;

// The phone program after its command line: the station on a classroom folder, or first the screen
// that finds one. Ends the application when the phone is switched off or that screen is closed.
class PhoneProgram final : public QObject {
    Q_OBJECT
public:
    struct Places {
        std::filesystem::path currentFolder;
        std::optional<std::filesystem::path> bundled; // the sample classroom that comes with the program
        std::filesystem::path home;
        FirstRunWindow::FolderQuestion askForFolder;
    };

    PhoneProgram(Places places, CaptureSource camera);
    ~PhoneProgram() override;

    // Starts on the given classroom folder, or on the current one when none was given.
    void Open(const std::optional<std::filesystem::path>& classroom);

    [[nodiscard]] DesktopPhone* Station() const { return station_.get(); }
    [[nodiscard]] FirstRunWindow* FirstRun() const { return firstRun_.get(); }

signals:
    void finished();

private:
    void StartStation(const std::filesystem::path& classroom);
    void ReportMissingTeachingFiles(const std::filesystem::path& classroom);

    Places places_;
    CaptureSource camera_;
    HostSystemInfo host_;
    SystemClock clock_;
    MessageBoxErrorReporter errors_;
    std::unique_ptr<ClassroomSystemInfo> system_;
    std::unique_ptr<DesktopPhone> station_;
    std::unique_ptr<FirstRunWindow> firstRun_;
};

} // namespace vq
