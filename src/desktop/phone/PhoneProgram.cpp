#include "desktop/phone/PhoneProgram.h"

#include "desktop/phone/DesktopPhone.h"
#include "platform/ClassroomFolder.h"

#include <QTimer>

namespace fs = std::filesystem;

namespace vq {

PhoneProgram::PhoneProgram(Places places, CaptureSource camera) : places_(std::move(places)), camera_(camera) {}

PhoneProgram::~PhoneProgram() = default;

void PhoneProgram::Open(const std::optional<fs::path>& classroom) {
    const fs::path folder = fs::absolute(classroom.value_or(places_.currentFolder)).lexically_normal();
    if (HoldsClassroom(folder)) {
        StartStation(folder);
        return;
    }
    firstRun_ = std::make_unique<FirstRunWindow>(
        FirstRunWindow::Places{folder, classroom.has_value(), places_.bundled, SampleClassroomIn(places_.home)},
        places_.askForFolder);
    connect(firstRun_.get(), &FirstRunWindow::classroomChosen, this, [this](const fs::path& chosen) {
        // The screen that sent this goes once its signal has returned.
        QTimer::singleShot(0, this, [this] { firstRun_.reset(); });
        StartStation(chosen);
    });
    connect(firstRun_.get(), &FirstRunWindow::dismissed, this, &PhoneProgram::finished);
    firstRun_->show();
}

void PhoneProgram::StartStation(const fs::path& classroom) {
    system_ = std::make_unique<ClassroomSystemInfo>(host_, classroom);
    station_ = std::make_unique<DesktopPhone>(*system_, clock_, errors_, camera_);
    errors_.SetOwner(&station_->window());
    connect(&station_->window(), &TForm1::closed, this, &PhoneProgram::finished);
    station_->Start();
    ReportMissingTeachingFiles(classroom);
}

// Without its home page the phone's screen shows only the browser's error page; the teacher needs to
// know which of the files that come with a classroom folder are gone.
void PhoneProgram::ReportMissingTeachingFiles(const fs::path& classroom) {
    const fs::path data = classroom / "data";
    if (fs::is_regular_file(data / "kyouzai/contents/index.html")) return;
    std::string message = "教室フォルダの教材ファイルが足りないため、ホーム画面を表示できません。\n" + data.string() +
                          " に次のファイルがありません:\n";
    for (const std::string& file : MissingTeachingFiles(data)) message += "  " + file + "\n";
    message += "\n見本のクラスなど、そろった教室フォルダから data フォルダの中身をコピーしてください。";
    errors_.Report(message);
}

} // namespace vq
