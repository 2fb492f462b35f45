#include "desktop/phone/LocalOnlyRequests.h"

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

bool MayLoad(const QUrl& url, const QString& dataFolder) {
    static const QSet<QString> kPlaceless{QStringLiteral("qrc"), QStringLiteral("data"), QStringLiteral("blob"),
                                          QStringLiteral("about")};
    if (kPlaceless.contains(url.scheme())) return true;
    if (!url.isLocalFile()) return false;
    // The engine has resolved "." and ".." already; cleaning again costs nothing and relies on nothing.
    const QString path = QDir::cleanPath(url.toLocalFile());
    return path.startsWith(FolderPrefix(dataFolder)) && IsPageOrItsPart(path);
}

LocalOnlyRequests::LocalOnlyRequests(const QString& dataFolder, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent), dataFolder_(FolderPrefix(dataFolder)) {}

void LocalOnlyRequests::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!MayLoad(info.requestUrl(), dataFolder_)) info.block(true);
}

} // namespace vq
