#pragma once

#include <string>

namespace vq {

// What the browser view tells the phone. Addresses are CP932 strings: a local path for a file, a URL
// otherwise.
class BrowserEvents {
public:
    virtual ~BrowserEvents() = default;
    // Raised before every navigation: pupil-started ones (links, forms, typed addresses, history) and
    // program-started ones, the latter inside navigate() itself.
    virtual void WebBrowser1BeforeNavigate2(const std::string& address) = 0;
    // Raised from the event loop when a navigation has completed, never inside a handler.
    virtual void WebBrowser1NavigateComplete2(const std::string& address) = 0;
};

// The embedded browser as the core sees it. Every implementation keeps these rules: navigate()
// raises the nested before-navigate at once and then starts the load; a navigation started while
// another is pending replaces it; completion comes later from the event loop.
class BrowserView {
public:
    virtual ~BrowserView() = default;
    virtual void SetListener(BrowserEvents* listener) = 0;
    virtual void Navigate(const std::string& address) = 0;
    [[nodiscard]] virtual std::string CurrentAddress() const = 0;
    // The value of element k of the first form of the page being shown (or being left, during a
    // before-navigate). Throws PlatformError when there is no form or no element k.
    [[nodiscard]] virtual std::u16string ReadFormField(int k) const = 0;
    // False when there is no earlier (later) page in the history.
    [[nodiscard]] virtual bool GoBack() = 0;
    [[nodiscard]] virtual bool GoForward() = 0;
};

} // namespace vq
