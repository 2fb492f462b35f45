#pragma once

#include <QString>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

#include <string>
#include <string_view>

namespace vq {

// Whether a page may load the address: a page, style, script or picture of the classroom's data
// folder, or content that names no place (data:, blob:, about:, the program's own qrc:). Data files
// of the folder (".dat", ".txt" and anything else) and everything outside it are not for pages: one
// script could otherwise read the PC's files and every pupil's password. Of the stations' result
// pages only the station's own load (station: its name, CP932): another's shows what that pupil
// entered, a profile's password among it.
[[nodiscard]] bool MayLoad(const QUrl& url, const QString& dataFolder, std::string_view station);

// The phone shows the classroom's own pages: nothing it shows may reach the network or a file that
// is not one of them, whatever a page links to, loads or asks for by script. Blocked addresses show
// the browser's error page.
class LocalOnlyRequests final : public QWebEngineUrlRequestInterceptor {
public:
    // dataFolder: the local path of the data folder; station: the station's name (CP932).
    LocalOnlyRequests(const QString& dataFolder, std::string station, QObject* parent);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    QString dataFolder_;
    std::string station_;
};

} // namespace vq
