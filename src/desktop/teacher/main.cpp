// The teacher's console: watches a classroom folder, or runs one command without a window.

#include "desktop/common/ClassroomProgram.h"
#include "desktop/common/FirstRunWindow.h"
#include "desktop/common/JapaneseTexts.h"
#include "desktop/common/QuietTerminal.h"
#include "desktop/teacher/BundledContent.h"
#include "desktop/teacher/TeacherProgram.h"
#include "platform/ClassroomFolder.h"
#include "platform/NativePath.h"
#include "teacher/TeacherCommand.h"

#include <QApplication>
#include <QDir>

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto command = vq::ParseTeacherCommand(args, error);
    if (!command) {
        std::cerr << "velquinlan-teacher: " << error << "\n使い方は velquinlan-teacher --help で表示されます。\n";
        return 2;
    }
    vq::SystemClock clock;
    const std::filesystem::path currentFolder = vq::StartFolder();
    const vq::TeacherEnvironment environment{vq::FromNativeName(currentFolder.string()), vq::BundledDataFolder(), clock,
                                             vq::ProgramVersion()};
    // The commands need no display: they run in scripts and over a remote shell.
    if (command->kind != vq::TeacherCommand::Kind::Window) return vq::RunTeacherCommand(*command, environment, std::cout, std::cerr);

    vq::KeepTerminalQuiet();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VelquinLAN"));
    QApplication::setApplicationName(QStringLiteral("velquinlan-teacher"));
    QApplication::setApplicationDisplayName(QStringLiteral("スマートフォン指導用VelquinLAN 先生用コンソール"));
    QApplication::setDesktopFileName(QStringLiteral("velquinlan-teacher"));
    vq::UseJapaneseTexts(app);

    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    vq::TeacherProgram program({currentFolder, vq::FindBundledClassroom(programFolder), QDir::homePath().toStdString(),
                                vq::AskForFolderWithDialog},
                               environment.bundledDataFolder, clock);
    QObject::connect(&program, &vq::TeacherProgram::finished, &app, &QApplication::quit);
    program.Open(command->folder.empty() ? std::nullopt : std::optional<std::filesystem::path>(command->folder));
    return QApplication::exec();
}
