#pragma once

#include <QWebEngineUrlRequestInterceptor>

namespace vq {

// The phone shows the classroom's own pages: nothing it shows may reach the network, whatever a
// page links to or loads. Blocked addresses show the browser's error page.
class LocalOnlyRequests final : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

} // namespace vq
