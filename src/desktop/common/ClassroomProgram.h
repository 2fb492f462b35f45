#pragma once

#include "desktop/common/FirstRunWindow.h"

#include <QObject>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace vq {

// A desktop program after its command line: at work on a classroom folder, or first on the screen
// that finds one. Each program says what it starts on a folder and what its first screen says; the
// way there is the same for both.
class ClassroomProgram : public QObject {
    Q_OBJECT
public:
    struct Places {
        std::filesystem::path currentFolder;
        std::optional<std::filesystem::path> bundled; // the sample classroom that comes with the programs
        std::filesystem::path home;
        FirstRunWindow::FolderQuestion askForFolder;
    };

    ~ClassroomProgram() override;

    // Starts on the given classroom folder, or on the current one when none was given.
    void Open(const std::optional<std::filesystem::path>& classroom);

    [[nodiscard]] FirstRunWindow* FirstRun() const { return firstRun_.get(); }

signals:
    // The program's work is over: its window or its first screen was closed.
    void finished();

protected:
    explicit ClassroomProgram(Places places);

    // Starts the program's own window on a folder that holds data/.
    virtual void StartOn(const std::filesystem::path& classroom) = 0;
    [[nodiscard]] virtual FirstRunWindow::Wording FirstRunWording() const = 0;
    // The ways on that only this program offers on its first screen.
    [[nodiscard]] virtual std::vector<FirstRunWindow::Choice> MoreFirstRunChoices() { return {}; }

private:
    void ShowFirstRun(const std::filesystem::path& lookedIn, bool wasGiven);

    Places places_;
    std::unique_ptr<FirstRunWindow> firstRun_;
};

// The folder the program was started in. A share that hiccups cannot name it for a moment; "." still
// reaches it, and a folder that really is gone is then reported like any other without data/.
[[nodiscard]] std::filesystem::path StartFolder();

} // namespace vq
