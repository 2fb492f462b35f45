#include "desktop/phone/NavigationPage.h"

namespace vq {
namespace {

// Stands in for a new window just long enough to learn the address it was opened for.
class NewWindowCatcher final : public QWebEnginePage {
public:
    NewWindowCatcher(QWebEngineProfile* profile, NavigationPage::Decision open, QObject* parent)
        : QWebEnginePage(profile, parent), open_(std::move(open)) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (isMainFrame && open_) {
            open_(url, NavigationTypeLinkClicked, true);
            open_ = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    NavigationPage::Decision open_;
};

} // namespace

NavigationPage::NavigationPage(QWebEngineProfile* profile, Decision decide, QObject* parent)
    : QWebEnginePage(profile, parent), decide_(std::move(decide)) {}

bool NavigationPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    return decide_(url, type, isMainFrame);
}

QWebEnginePage* NavigationPage::createWindow(WebWindowType) {
    return new NewWindowCatcher(profile(), decide_, this);
}

} // namespace vq
