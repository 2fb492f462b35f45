// The desktop phone: one station of the classroom, started from the folder that holds data/.

#include "platform/Clock.h"
#include "platform/SystemInfo.h"
#include "platform/qt/DesktopPhone.h"
#include "platform/qt/MessageBoxErrorReporter.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>

int main(int argc, char** argv) {
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
    vq::DesktopPhone station(system, clock, errors);
    station.Start();
    return QApplication::exec();
}
