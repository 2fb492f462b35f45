#pragma once

#include "platform/BrowserView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vq {

// A browser without a screen for tests and vqsim. It keeps the rules of the real one: navigate()
// raises the nested before-navigate at once, a newer navigation replaces a pending one, loads
// complete only when RunLoop() runs, and the form of the shown page is read from its local file.
class FakeBrowser final : public BrowserView {
public:
    void SetListener(BrowserEvents* listener) override { listener_ = listener; }
    void Navigate(const std::string& address) override;
    [[nodiscard]] std::string CurrentAddress() const override { return current_; }
    [[nodiscard]] std::u16string ReadFormField(int k) const override;
    [[nodiscard]] bool GoBack() override;
    [[nodiscard]] bool GoForward() override;

    // The pupil follows a link, submits the form or types an address.
    void Open(const std::string& address);
    // The pupil types into element k of the shown page's first form.
    void Fill(int k, const std::u16string& value);
    [[nodiscard]] bool HasPending() const { return pending_.has_value(); }
    // Lets the event loop run: completes loads until none is pending.
    void RunLoop();
    [[nodiscard]] bool ShowsForm() const { return form_.has_value(); }

private:
    struct Load {
        std::string address;
        std::optional<std::size_t> historyIndex; // set for back and forward
    };
    void Start(Load load);
    void Complete(const Load& load);

    BrowserEvents* listener_ = nullptr;
    std::optional<Load> pending_;
    std::uint64_t started_ = 0;
    std::vector<std::string> history_;
    std::size_t historyIndex_ = 0;
    std::string current_;
    std::optional<std::vector<std::u16string>> form_;
};

} // namespace vq
