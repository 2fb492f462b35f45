#include "platform/fake/FakeBrowser.h"

#include "platform/Files.h"
#include "platform/PlatformError.h"
#include "platform/fake/FormParser.h"

namespace vq {

void FakeBrowser::Start(Load load) {
    const std::uint64_t ticket = ++started_;
    if (listener_) listener_->WebBrowser1BeforeNavigate2(load.address);
    // A navigation started by a handler of this one is newer and wins.
    if (started_ == ticket) pending_ = std::move(load);
}

void FakeBrowser::Navigate(const std::string& address) { Start({address, std::nullopt}); }

void FakeBrowser::Open(const std::string& address) { Start({address, std::nullopt}); }

bool FakeBrowser::GoBack() {
    if (history_.empty() || historyIndex_ == 0) return false;
    Start({history_[historyIndex_ - 1], historyIndex_ - 1});
    return true;
}

bool FakeBrowser::GoForward() {
    if (historyIndex_ + 1 >= history_.size()) return false;
    Start({history_[historyIndex_ + 1], historyIndex_ + 1});
    return true;
}

std::u16string FakeBrowser::ReadFormField(int k) const {
    if (!form_) throw PlatformError("表示中のページにフォームがありません");
    if (k < 0 || static_cast<std::size_t>(k) >= form_->size())
        throw PlatformError("フォームに " + std::to_string(k + 1) + " 番目の項目がありません");
    return (*form_)[static_cast<std::size_t>(k)];
}

void FakeBrowser::Fill(int k, const std::u16string& value) {
    if (!form_) throw PlatformError("表示中のページにフォームがありません");
    // Only elements the page has: a handler reading past them must fail here as in the real browser.
    if (k < 0 || static_cast<std::size_t>(k) >= form_->size())
        throw PlatformError("フォームに " + std::to_string(k + 1) + " 番目の項目がありません");
    (*form_)[static_cast<std::size_t>(k)] = value;
}

void FakeBrowser::Complete(const Load& load) {
    current_ = load.address;
    if (load.historyIndex) {
        historyIndex_ = *load.historyIndex;
    } else {
        if (!history_.empty()) history_.resize(historyIndex_ + 1);
        history_.push_back(load.address);
        historyIndex_ = history_.size() - 1;
    }
    // Addresses that are no local file (the virtual site, a missing page) show an error document
    // without a form.
    form_.reset();
    if (!load.address.empty() && load.address.front() == '/' && FileExists(load.address))
        form_ = ParseFirstForm(ReadAll(load.address));
    if (listener_) listener_->WebBrowser1NavigateComplete2(load.address);
}

void FakeBrowser::RunLoop() {
    // A page whose completion keeps starting navigations would spin forever in a real browser too;
    // the bound keeps a faulty scenario from hanging the test run.
    for (int loads = 0; pending_ && loads < 1000; ++loads) {
        const Load load = std::move(*pending_);
        pending_.reset();
        Complete(load);
    }
}

} // namespace vq
