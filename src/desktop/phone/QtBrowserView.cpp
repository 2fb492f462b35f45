#include "desktop/phone/QtBrowserView.h"

#include "desktop/phone/Addresses.h"
#include "desktop/phone/LocalOnlyRequests.h"
#include "desktop/phone/NavigationPage.h"
#include "platform/Text.h"

#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QTimer>

namespace vq {
namespace {

// A load the engine dropped is given again this many times before the phone stops waiting for it.
constexpr int kLoadAttempts = 3;
// How long a stopped load may take to show it is still going before it counts as dropped.
constexpr int kDroppedLoadSettleMs = 150;

void KeepPagesLocal(QWebEngineProfile& profile, const std::string& dataRoot, const std::string& station) {
    profile.setUrlRequestInterceptor(new LocalOnlyRequests(ToQString(ToWide(dataRoot)), station, &profile));
    profile.setHttpCacheType(QWebEngineProfile::NoCache);
    profile.setHttpAcceptLanguage(QStringLiteral("ja"));
    QWebEngineSettings* settings = profile.settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    // Qt WebEngine loads no file: picture or style of a file: page while this is off; what a page may
    // reach at all is decided by the request filter above.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
}

} // namespace

QtBrowserView::QtBrowserView(const std::string& dataRoot, const std::string& station) {
    // Off the record: the classroom folder is the only place the phone stores anything.
    profile_ = new QWebEngineProfile(this);
    KeepPagesLocal(*profile_, dataRoot, station);
    page_ = new NavigationPage(
        profile_, [this](const QUrl& url, QWebEnginePage::NavigationType type, bool main) { return Decide(url, type, main); },
        this);
    form_.Install(*page_);
    connect(page_, &QWebEnginePage::loadingChanged, this, &QtBrowserView::OnLoadingChanged);
    view_ = new QWebEngineView();
    view_->setPage(page_);
    // The pupil moves through pages with the phone's keys; the engine's own menu would offer reload,
    // page saving and source viewing.
    view_->setContextMenuPolicy(Qt::NoContextMenu);
}

QtBrowserView::~QtBrowserView() {
    *alive_ = false;
    listener_ = nullptr;
    if (view_) view_->setPage(nullptr);
    delete view_.data();
    // The page must go before its profile.
    delete page_;
}

bool QtBrowserView::Decide(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame) {
    // A frame belongs to a page that was let through already.
    if (!isMainFrame) return true;
    if (type == QWebEnginePage::NavigationTypeRedirect) return true;
    const std::optional<Load> released = std::exchange(released_, std::nullopt);
    if (released && SameDocument(url, released->url)) return true;
    Hold(url, type);
    return false;
}

void QtBrowserView::Hold(const QUrl& url, QWebEnginePage::NavigationType type) {
    Load load{url, AddressFromUrl(url), Move::Load};
    if (type == QWebEnginePage::NavigationTypeBackForward) {
        QWebEngineHistory* history = page_->history();
        if (history->canGoBack() && SameDocument(history->backItem().url(), url)) load.move = Move::Back;
        else if (history->canGoForward() && SameDocument(history->forwardItem().url(), url)) load.move = Move::Forward;
    }
    // The page being left is still shown: read what the pupil entered in it before the core asks.
    AfterReadingForm([this, load] { Start(load, Origin::Page); });
}

void QtBrowserView::AfterReadingForm(std::function<void()> then) {
    page_->runJavaScript(FormMirror::ReadScript(), QWebEngineScript::ApplicationWorld,
                         [this, alive = alive_, then = std::move(then)](const QVariant& result) {
                             if (!*alive) return;
                             form_.Take(result);
                             then();
                         });
}

void QtBrowserView::Start(const Load& load, Origin origin) {
    const std::uint64_t ticket = ++started_;
    if (listener_) listener_->WebBrowser1BeforeNavigate2(load.address);
    // A navigation the core started while hearing of this one is newer and replaces it.
    if (ticket == started_) {
        QMetaObject::invokeMethod(
            this, [this, load, ticket] {
                if (ticket == started_) Release(load);
            },
            Qt::QueuedConnection);
    }
    if (origin == Origin::Page && afterPageEvent_) afterPageEvent_();
}

void QtBrowserView::Release(const Load& load) {
    released_ = load;
    inFlight_ = load;
    ++inFlight_->attempts;
    switch (load.move) {
    case Move::Load: page_->load(load.url); break;
    case Move::Back: page_->history()->back(); break;
    case Move::Forward: page_->history()->forward(); break;
    }
}

void QtBrowserView::OnLoadingChanged(const QWebEngineLoadingInfo& info) {
    if (!inFlight_ || !SameDocument(info.url(), inFlight_->url)) return;
    // Started is no news. Stopped is mostly the refusal of a held navigation, which never completes;
    // it can also be the engine dropping the load this adapter gave it.
    if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus) {
        QTimer::singleShot(kDroppedLoadSettleMs, this, [this, ticket = started_] { LoadAgainIfDropped(ticket); });
        return;
    }
    const bool finished = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus ||
                          info.status() == QWebEngineLoadingInfo::LoadFailedStatus;
    if (!finished) return;
    const Load load = *std::exchange(inFlight_, std::nullopt);
    if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus) {
        // An address that names no page (the virtual site, a missing file) shows the error page,
        // which has no form; the navigation has completed all the same.
        form_.Forget();
        Complete(load);
        return;
    }
    AfterReadingForm([this, load] { Complete(load); });
}

void QtBrowserView::LoadAgainIfDropped(std::uint64_t ticket) {
    // A newer navigation, a finished load or one still going means nothing was dropped.
    if (ticket != started_ || !inFlight_ || page_->isLoading()) return;
    if (inFlight_->attempts < kLoadAttempts) {
        Release(*inFlight_);
        return;
    }
    // The pupil keeps the page that is shown and can move on; the phone must not wait for ever.
    const Load load = *std::exchange(inFlight_, std::nullopt);
    form_.Forget();
    Complete(load);
}

void QtBrowserView::Complete(const Load& load) {
    current_ = load.address;
    if (listener_) listener_->WebBrowser1NavigateComplete2(load.address);
    if (afterPageEvent_) afterPageEvent_();
}

void QtBrowserView::Navigate(const std::string& address) { Start({UrlFromAddress(address), address, Move::Load}, Origin::Core); }

bool QtBrowserView::GoBack() {
    QWebEngineHistory* history = page_->history();
    if (!history->canGoBack()) return false;
    const QUrl url = history->backItem().url();
    Start({url, AddressFromUrl(url), Move::Back}, Origin::Core);
    return true;
}

bool QtBrowserView::GoForward() {
    QWebEngineHistory* history = page_->history();
    if (!history->canGoForward()) return false;
    const QUrl url = history->forwardItem().url();
    Start({url, AddressFromUrl(url), Move::Forward}, Origin::Core);
    return true;
}

} // namespace vq
