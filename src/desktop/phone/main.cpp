// The desktop phone: one station of the classroom, on the classroom folder given as its argument or
// on the current folder, as the folder that holds data/.

#include "desktop/common/FirstRunWindow.h"
#include "desktop/common/JapaneseTexts.h"
#include "desktop/common/QuietTerminal.h"
#include "desktop/phone/PhoneCommandLine.h"
#include "desktop/phone/PhoneProgram.h"
#include "platform/ClassroomFolder.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    const vq::PhoneCommandLine line = vq::ReadPhoneCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
    case vq::PhoneCommandLine::Action::ShowHelp: std::fputs(vq::PhoneUsage().c_str(), stdout); return 0;
    case vq::PhoneCommandLine::Action::ShowVersion: std::fputs(vq::PhoneVersion().c_str(), stdout); return 0;
    case vq::PhoneCommandLine::Action::Refuse: std::fputs(line.refusal.c_str(), stderr); return 2;
    case vq::PhoneCommandLine::Action::Run: break;
    }
    vq::KeepTerminalQuiet();

    // The phone places, shapes and shakes its own window, which Wayland does not let a program do;
    // under a Wayland desktop it runs through the desktop's X server.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Qt WebEngine draws through a context shared with the widgets; it must be asked for first.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velquinlan"));
    QApplication::setApplicationDisplayName(QStringLiteral("スマートフォン指導用VelquinLAN"));
    QApplication::setDesktopFileName(QStringLiteral("velquinlan"));
    vq::UseJapaneseTexts(app);
    // The power key ends the program even while an error message is still open.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    vq::PhoneProgram program({vq::StartFolder(), vq::FindBundledClassroom(programFolder),
                              QDir::homePath().toStdString(), vq::AskForFolderWithDialog},
                             vq::CaptureSourceFromEnvironment());
    QObject::connect(&program, &vq::PhoneProgram::finished, &app, &QApplication::quit);
    program.Open(line.classroom ? std::optional<std::filesystem::path>(*line.classroom) : std::nullopt);
    return QApplication::exec();
}
