#include "desktop/phone/LocalOnlyRequests.h"

#include <QSet>

namespace vq {

void LocalOnlyRequests::interceptRequest(QWebEngineUrlRequestInfo& info) {
    static const QSet<QString> kLocalSchemes{QStringLiteral("file"), QStringLiteral("qrc"), QStringLiteral("data"),
                                             QStringLiteral("blob"), QStringLiteral("about")};
    if (!kLocalSchemes.contains(info.requestUrl().scheme())) info.block(true);
}

} // namespace vq
