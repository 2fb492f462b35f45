// The teacher's console: watches a classroom folder, or runs one command without a window.

#include "desktop/common/JapaneseTexts.h"
#include "desktop/teacher/BundledContent.h"
#include "desktop/teacher/QtText.h"
#include "desktop/teacher/TeacherWindow.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "teacher/TeacherCommand.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <filesystem>
#include <iostream>
#include <optional>

namespace {

// The folder to watch: the one given, or one the teacher picks when that holds no data/.
std::optional<vq::ClassroomFolder> ChooseClassroom(std::string folder) {
    for (;;) {
        try {
            return vq::ClassroomFolder::Open(folder);
        } catch (const vq::PlatformError& e) {
            QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), QString::fromStdString(e.what()));
            QPushButton* choose = box.addButton(QStringLiteral("教室フォルダを選ぶ…"), QMessageBox::AcceptRole);
            box.addButton(QStringLiteral("終了"), QMessageBox::RejectRole);
            box.exec();
            if (box.clickedButton() != choose) return std::nullopt;
            const QString picked = QFileDialog::getExistingDirectory(nullptr, QStringLiteral("教室フォルダ（data フォルダを含むフォルダ）を選んでください"));
            if (picked.isEmpty()) return std::nullopt;
            folder = vq::ToCp932(picked);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto command = vq::ParseTeacherCommand(args, error);
    if (!command) {
        std::cerr << "velquinlan-teacher: " << error << "\n使い方は velquinlan-teacher --help で表示されます。\n";
        return 2;
    }
    vq::SystemClock clock;
    // A share that hiccups cannot name the current folder for a moment; "." still reaches it, and a
    // folder that really is gone is then reported like any other without data/.
    std::error_code noCurrent;
    const std::filesystem::path current = std::filesystem::current_path(noCurrent);
    const vq::TeacherEnvironment environment{vq::FromNativeName(noCurrent ? std::string(".") : current.string()),
                                             vq::BundledDataFolder(), clock, vq::ProgramVersion()};
    // The commands need no display: they run in scripts and over a remote shell.
    if (command->kind != vq::TeacherCommand::Kind::Window) return vq::RunTeacherCommand(*command, environment, std::cout, std::cerr);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VelquinLAN"));
    QApplication::setApplicationName(QStringLiteral("velquinlan-teacher"));
    QApplication::setApplicationDisplayName(QStringLiteral("スマートフォン指導用VelquinLAN 先生用コンソール"));
    vq::UseJapaneseTexts(app);
    const auto classroom = ChooseClassroom(vq::CommandFolder(*command, environment));
    if (!classroom) return 1;
    vq::TeacherWindow window(*classroom, environment.bundledDataFolder, clock);
    window.show();
    return QApplication::exec();
}
