#include "desktop/phone/LocalOnlyRequests.h"

#include "desktop/phone/Addresses.h"
#include "platform/Text.h"
#include "site/ResultPages.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace vq {
namespace {

// The folder as a prefix of the paths inside it.
QString FolderPrefix(const QString& folder) {
    QString prefix = QDir::cleanPath(folder);
    if (!prefix.endsWith(QLatin1Char('/'))) prefix += QLatin1Char('/');
    return prefix;
}

bool IsPageOrItsPart(const QString& path) {
    static const QSet<QString> kKinds{QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("css"),
                                      QStringLiteral("js"),   QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                      QStringLiteral("png"),  QStringLiteral("gif"), QStringLiteral("bmp"),
                                      QStringLiteral("svg")};
    return kKinds.contains(QFileInfo(path).suffix().toLower());
}

} // namespace

bool MayLoad(const QUrl& url, const QString& dataFolder, std::string_view station) {
    static const QSet<QString> kPlaceless{QStringLiteral("qrc"), QStringLiteral("data"), QStringLiteral("blob"),
                                          QStringLiteral("about")};
    if (kPlaceless.contains(url.scheme())) return true;
    if (!url.isLocalFile()) return false;
    // The engine has resolved "." and ".." already; cleaning again costs nothing and relies on nothing.
    const QString path = QDir::cleanPath(url.toLocalFile());
    const QString folder = FolderPrefix(dataFolder);
    if (!path.startsWith(folder) || !IsPageOrItsPart(path)) return false;
    const std::string relative = ToNarrow(ToU16(path.mid(folder.size())));
    return !IsResultPage(relative) || IsOwnResultPage(relative, station);
}

LocalOnlyRequests::LocalOnlyRequests(const QString& dataFolder, std::string station, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent), dataFolder_(FolderPrefix(dataFolder)), station_(std::move(station)) {}

void LocalOnlyRequests::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!MayLoad(info.requestUrl(), dataFolder_, station_)) info.block(true);
}

} // namespace vq
