#pragma once

#include "platform/BrowserView.h"
#include "desktop/phone/FormMirror.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QWebEngineLoadingInfo;
class QWebEngineProfile;


namespace vq {

class NavigationPage;

// The phone's browser view on Qt WebEngine, keeping the rules the core relies on:
// - navigate() raises the nested before-navigate inside the call; the engine load follows from the
//   event loop, and a newer navigation replaces one not yet started;
// - a navigation the page starts (link, form, script, history) is held back, the form of the page
//   being left is read, the core is told, and the address is loaded only when the core has not
//   navigated elsewhere meanwhile;
// - completion is raised once per load this adapter let through, with the address it was asked for;
//   the failure that follows a held navigation is no completion;
// - a load the engine drops unfinished is given to it again, and after the last try completes as failed.
class QtBrowserView final : public QObject, public BrowserView {
    Q_OBJECT
public:
    // dataRoot: the data folder (a core path); pages may load nothing but its pages and their parts,
    // and of the stations' result pages only those of station (see MayLoad).
    QtBrowserView(const std::string& dataRoot, const std::string& station);
    ~QtBrowserView() override;

    // The widget to place in the window; the window that takes it owns it.
    [[nodiscard]] QWebEngineView* View() const { return view_; }
    // Called after each event that reached the core from the page rather than from a core call, so
    // the window can show what the event changed.
    void SetAfterPageEvent(std::function<void()> after) { afterPageEvent_ = std::move(after); }

    // BrowserView
    void SetListener(BrowserEvents* listener) override { listener_ = listener; }
    void Navigate(const std::string& address) override;
    [[nodiscard]] std::string CurrentAddress() const override { return current_; }
    [[nodiscard]] std::u16string ReadFormField(int k) const override { return form_.Value(k); }
    [[nodiscard]] bool GoBack() override;
    [[nodiscard]] bool GoForward() override;

private:
    enum class Move { Load, Back, Forward };
    struct Load {
        QUrl url;
        std::string address;
        Move move = Move::Load;
        int attempts = 0; // times given to the engine
    };
    enum class Origin { Core, Page };

    bool Decide(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame);
    void Hold(const QUrl& url, QWebEnginePage::NavigationType type);
    void Start(const Load& load, Origin origin);
    void Release(const Load& load);
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    // Gives the engine the load in flight again when it stopped it unfinished and nothing newer began.
    void LoadAgainIfDropped(std::uint64_t ticket);
    void Complete(const Load& load);
    // Runs the callback with the shown page's form values freshly read, unless this adapter is gone.
    void AfterReadingForm(std::function<void()> then);

    QWebEngineProfile* profile_ = nullptr;
    NavigationPage* page_ = nullptr;
    QPointer<QWebEngineView> view_;
    FormMirror form_;
    BrowserEvents* listener_ = nullptr;
    std::function<void()> afterPageEvent_;
    std::uint64_t started_ = 0;      // navigations begun; the newest one wins
    std::optional<Load> released_;   // the one navigation the engine is to let through unasked
    std::optional<Load> inFlight_;   // loading in the engine; completes once
    std::string current_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace vq
