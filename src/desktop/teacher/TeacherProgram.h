#pragma once

#include "desktop/common/ClassroomProgram.h"
#include "platform/Clock.h"

#include <filesystem>
#include <memory>
#include <string>

namespace vq {

class TeacherWindow;

// The console after its command line: its window on a classroom folder, or first the screen that
// finds one, which also makes a new classroom folder, as a teacher preparing a class wants.
class TeacherProgram final : public ClassroomProgram {
    Q_OBJECT
public:
    // bundledDataFolder: the teaching content a new classroom gets (CP932).
    TeacherProgram(Places places, std::string bundledDataFolder, const Clock& clock);
    ~TeacherProgram() override;

    [[nodiscard]] TeacherWindow* Window() const { return window_.get(); }

private:
    void StartOn(const std::filesystem::path& classroom) override;
    [[nodiscard]] FirstRunWindow::Wording FirstRunWording() const override;
    [[nodiscard]] std::vector<FirstRunWindow::Choice> MoreFirstRunChoices() override;
    std::optional<std::filesystem::path> MakeNewClassroom(FirstRunWindow& screen);

    std::string bundledDataFolder_;
    const Clock& clock_;
    std::unique_ptr<TeacherWindow> window_;
};

} // namespace vq
