#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "platform/fake/FakeBrowser.h"
#include "platform/fake/FormParser.h"

#include <gtest/gtest.h>

using namespace vq;

namespace {

struct Listener : BrowserEvents {
    FakeBrowser* browser = nullptr;
    std::vector<std::string> log;
    std::string redirectFrom, redirectTo;
    void WebBrowser1BeforeNavigate2(const std::string& a) override {
        log.push_back("before " + a);
        if (a == redirectFrom) browser->Navigate(redirectTo);
    }
    void WebBrowser1NavigateComplete2(const std::string& a) override { log.push_back("complete " + a); }
};

} // namespace

TEST(FormParser, ReadsElementsInDocumentOrder) {
    const std::string html = Utf8ToCp932(
        "<p>x</p><FORM action=a><input type=text name=n value=\"太郎 &amp; 花子\">"
        "<textarea name=t>\nline1\nline2</textarea>"
        "<select name=s><option value=1>one<option value=2 selected>two</select>"
        "<input type=submit value='送る'><button>b</button></form><form><input value=second></form>");
    const auto form = ParseFirstForm(html);
    ASSERT_TRUE(form);
    ASSERT_EQ(form->size(), 5u);
    EXPECT_EQ((*form)[0], u"太郎 & 花子");
    EXPECT_EQ((*form)[1], u"line1\nline2");
    EXPECT_EQ((*form)[2], u"2");
    EXPECT_EQ((*form)[3], u"送る");
    EXPECT_EQ((*form)[4], u"");
    EXPECT_FALSE(ParseFirstForm("<p>no form</p>"));
}

TEST(FakeBrowser, NestedNavigationWinsAndCompletesOnlyInTheLoop) {
    FakeBrowser browser;
    Listener l;
    l.browser = &browser;
    l.redirectFrom = "http://x/bbs.html";
    l.redirectTo = "/tmp/result.html";
    browser.SetListener(&l);
    browser.Open("http://x/bbs.html");
    EXPECT_EQ(l.log, (std::vector<std::string>{"before http://x/bbs.html", "before /tmp/result.html"}));
    EXPECT_TRUE(browser.HasPending());
    browser.RunLoop();
    EXPECT_EQ(l.log.back(), "complete /tmp/result.html");
    EXPECT_EQ(browser.CurrentAddress(), "/tmp/result.html");
    EXPECT_EQ(l.log.size(), 3u);
}

TEST(FakeBrowser, HistoryAndMissingForms) {
    FakeBrowser browser;
    Listener l;
    l.browser = &browser;
    browser.SetListener(&l);
    EXPECT_FALSE(browser.GoBack());
    browser.Open("http://x/a");
    browser.RunLoop();
    browser.Open("http://x/b");
    browser.RunLoop();
    EXPECT_THROW((void)browser.ReadFormField(0), PlatformError);
    EXPECT_TRUE(browser.GoBack());
    browser.RunLoop();
    EXPECT_EQ(browser.CurrentAddress(), "http://x/a");
    EXPECT_FALSE(browser.GoBack());
    EXPECT_TRUE(browser.GoForward());
    browser.RunLoop();
    EXPECT_EQ(browser.CurrentAddress(), "http://x/b");
}
