#pragma once

#include <QWebEnginePage>

#include <functional>

namespace vq {

// The page of the phone's browser view: it only translates the engine's questions and hands them on;
// what happens to a navigation is decided by the view adapter.
class NavigationPage final : public QWebEnginePage {
    Q_OBJECT
public:
    // Returns whether the engine may go on with the navigation now.
    using Decision = std::function<bool(const QUrl& url, NavigationType type, bool isMainFrame)>;
    NavigationPage(QWebEngineProfile* profile, Decision decide, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    // The phone has one screen: a page that asks for a new window gets its address opened in this one.
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    Decision decide_;
};

} // namespace vq
