// The desktop phone: one station of the classroom, started from the folder that holds data/.

#include "platform/Clock.h"
#include "platform/SystemInfo.h"
#include "desktop/phone/DesktopPhone.h"
#include "desktop/phone/MessageBoxErrorReporter.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>

int main(int argc, char** argv) {
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
    // The browser's own texts (its error page) in the pupils' language.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

    if (!QDir(QStringLiteral("data")).exists()) {
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                              QStringLiteral("このフォルダには data フォルダがありません:\n%1\n\n"
                                             "教室フォルダ（data フォルダを含むフォルダ）で起動してください。")
                                  .arg(QDir::currentPath()));
        return 1;
    }

    vq::HostSystemInfo system;
    vq::SystemClock clock;
    vq::MessageBoxErrorReporter errors;
    vq::DesktopPhone station(system, clock, errors, vq::CaptureSourceFromEnvironment());
    // The power key ends the program even while an error message is still open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&station.window(), &vq::TForm1::closed, &app, &QApplication::quit);
    station.Start();
    return QApplication::exec();
}
