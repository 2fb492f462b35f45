#include "desktop/common/ClassroomProgram.h"

#include "platform/ClassroomFolder.h"

#include <QTimer>

namespace fs = std::filesystem;

namespace vq {
namespace {

// A current folder that a share has just lost cannot be made absolute; it is shown as it is.
fs::path Absolute(const fs::path& folder) {
    std::error_code error;
    const fs::path absolute = fs::absolute(folder, error);
    return (error ? folder : absolute).lexically_normal();
}

} // namespace

ClassroomProgram::ClassroomProgram(Places places) : places_(std::move(places)) {}

ClassroomProgram::~ClassroomProgram() = default;

void ClassroomProgram::Open(const std::optional<fs::path>& classroom) {
    const fs::path folder = Absolute(classroom.value_or(places_.currentFolder));
    if (HoldsClassroom(folder))
        StartOn(folder);
    else
        ShowFirstRun(folder, classroom.has_value());
}

void ClassroomProgram::ShowFirstRun(const fs::path& lookedIn, bool wasGiven) {
    firstRun_ = std::make_unique<FirstRunWindow>(
        FirstRunWindow::Places{lookedIn, wasGiven, places_.bundled, SampleClassroomIn(places_.home)}, FirstRunWording(),
        places_.askForFolder, MoreFirstRunChoices());
    connect(firstRun_.get(), &FirstRunWindow::classroomChosen, this, [this](const fs::path& chosen) {
        // The screen that sent this goes once its signal has returned.
        QTimer::singleShot(0, this, [this] { firstRun_.reset(); });
        StartOn(chosen);
    });
    connect(firstRun_.get(), &FirstRunWindow::dismissed, this, &ClassroomProgram::finished);
    firstRun_->show();
}

fs::path StartFolder() {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? fs::path(".") : current;
}

} // namespace vq
