#include "Waiting.h"

#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "desktop/phone/Addresses.h"
#include "desktop/phone/QtBrowserView.h"
#include "support/Classroom.h"

#include <QTcpServer>
#include <QWebEnginePage>

#include <gtest/gtest.h>

#include <functional>

using namespace vq;
using namespace vqtest;

namespace {

// Stands in for the phone: records what the view tells it and may react like a page handler.
struct Listener final : BrowserEvents {
    void WebBrowser1BeforeNavigate2(const std::string& address) override {
        before.push_back(address);
        if (onBefore) onBefore(address);
    }
    void WebBrowser1NavigateComplete2(const std::string& address) override { completed.push_back(address); }
    std::vector<std::string> before;
    std::vector<std::string> completed;
    std::function<void(const std::string&)> onBefore;
};

class BrowserViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        browser.SetListener(&listener);
        classroom.Write("form.html", R"(<html><head><meta charset="Shift_JIS"></head><body>
<form action="http://velquin.invalid/submit.html">
<input name="name" value=""><textarea name="text">最初の文</textarea>
<select name="sign"><option value="おひつじ座">おひつじ座</option><option value="うお座">うお座</option></select>
<input type="submit" id="send" value="送信">
</form><a id="plain" href="plain.html">次へ</a><a id="virtual" href="http://velquin.invalid/nothing.html">無い</a>
</body></html>
)");
        classroom.Write("plain.html", "<html><body><p>plain</p></body></html>\n");
        classroom.Write("result.html", "<html><body><p>result</p></body></html>\n");
    }
    std::string Data(const std::string& relative) const { return classroom.DataRoot() + relative; }
    void Open(const std::string& relative) {
        const auto done = listener.completed.size() + 1;
        browser.Navigate(Data(relative));
        ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() >= done; }));
    }
    // What a pupil does in the page, as the page's own script would do it.
    void InPage(const QString& script) { browser.View()->page()->runJavaScript(script); }
    void Type(const QString& selector, const QString& value) {
        InPage(QStringLiteral("var e = document.querySelector('%1'); e.value = '%2';"
                              "e.dispatchEvent(new Event('input', {bubbles: true}));")
                   .arg(selector, value));
    }
    std::string Field(int k) const { return WideToUtf8(browser.ReadFormField(k)); }

    Classroom classroom;
    QtBrowserView browser{classroom.DataRoot(), "PC01"};
    Listener listener;
};

} // namespace

TEST_F(BrowserViewTest, ASubmittedFormIsReadFromThePageBeingLeftAndTheResultPageReplacesTheVirtualAddress) {
    Open("form.html");
    std::vector<std::string> values;
    listener.onBefore = [&](const std::string& address) {
        if (!MatchesPageName(address, "submit.html")) return;
        for (int k = 0; k < 4; ++k) values.push_back(Field(k));
        browser.Navigate(Data("result.html")); // the nested before-navigate comes inside this call
    };
    Type("input[name=name]", "山田　花子");
    Type("textarea", "こんにちは\\n二行目");
    InPage("var s = document.querySelector('select'); s.selectedIndex = 1; s.dispatchEvent(new Event('change'));");
    InPage("document.getElementById('send').click();");

    ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() == 2; }));
    EXPECT_EQ(values, (std::vector<std::string>{"山田　花子", "こんにちは\n二行目", "うお座", "送信"}));
    ASSERT_EQ(listener.before.size(), 3u);
    EXPECT_TRUE(MatchesPageName(listener.before[1], "submit.html"));
    EXPECT_EQ(listener.before[2], Data("result.html"));
    // The held submission never completes: the result page took its place, once.
    QTest::qWait(300);
    EXPECT_EQ(listener.completed, (std::vector<std::string>{Data("form.html"), Data("result.html")}));
    EXPECT_EQ(browser.CurrentAddress(), Data("result.html"));
    EXPECT_THROW((void)browser.ReadFormField(0), PlatformError); // the result page has no form
}

TEST_F(BrowserViewTest, ALinkNoHandlerTakesLoadsAsWrittenAndCompletesOnce) {
    Open("form.html");
    InPage("document.getElementById('plain').click();");
    ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() == 2; }));
    EXPECT_EQ(listener.before.back(), Data("plain.html")); // a local path, not a file: URL
    QTest::qWait(300);
    EXPECT_EQ(listener.completed, (std::vector<std::string>{Data("form.html"), Data("plain.html")}));
}

TEST_F(BrowserViewTest, AVirtualPageNoHandlerTakesCompletesWithItsOwnAddress) {
    Open("form.html");
    InPage("document.getElementById('virtual').click();");
    ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() == 2; }));
    EXPECT_EQ(listener.completed.back(), "http://velquin.invalid/nothing.html");
    EXPECT_EQ(browser.CurrentAddress(), "http://velquin.invalid/nothing.html");
}

TEST_F(BrowserViewTest, TypedValuesAnswerInsideANavigationTheProgramStarts) {
    Open("form.html");
    Type("input[name=name]", "鈴木");
    ASSERT_TRUE(WaitUntil([&] { return Field(0) == "鈴木"; }));
    std::string read;
    listener.onBefore = [&](const std::string& address) {
        if (address == Data("plain.html")) read = Field(0);
    };
    browser.Navigate(Data("plain.html"));
    EXPECT_EQ(read, "鈴木"); // inside the call: before-navigate is raised at once
    EXPECT_EQ(listener.completed.size(), 1u); // and completion only comes from the event loop
    ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() == 2; }));
}

TEST_F(BrowserViewTest, ANewerNavigationReplacesOneNotYetStarted) {
    Open("form.html");
    browser.Navigate(Data("plain.html"));
    browser.Navigate(Data("result.html"));
    ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() == 2; }));
    QTest::qWait(300);
    EXPECT_EQ(listener.completed.back(), Data("result.html"));
    EXPECT_EQ(listener.completed.size(), 2u);
}

// The engine sometimes drops a load it was given, when it is still settling the refusal of the
// navigation the page started; the phone must not wait for it for ever.
TEST_F(BrowserViewTest, ALoadTheEngineDropsIsLoadedAgainAndCompletesOnce) {
    for (const int drops : {1, 10}) {
        SCOPED_TRACE(drops);
        listener.completed.clear();
        Open("form.html");
        QWebEnginePage* page = browser.View()->page();
        int started = 0;
        const auto connection = QObject::connect(page, &QWebEnginePage::loadStarted, page, [&] {
            if (started++ < drops)
                QMetaObject::invokeMethod(page, [page] { page->triggerAction(QWebEnginePage::Stop); }, Qt::QueuedConnection);
        });
        browser.Navigate(Data("plain.html"));
        ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() == 2; }));
        QTest::qWait(500);
        QObject::disconnect(connection);
        EXPECT_EQ(listener.completed, (std::vector<std::string>{Data("form.html"), Data("plain.html")}));
        // Given again until it loads; a load that never does is given up after a few tries.
        EXPECT_EQ(started, drops == 1 ? 2 : 3);
        EXPECT_EQ(SameDocument(page->url(), UrlFromAddress(Data("plain.html"))), drops == 1);
    }
}

TEST_F(BrowserViewTest, HistoryGoesBackAndForwardAndSaysWhenItCannot) {
    EXPECT_FALSE(browser.GoBack());
    Open("form.html");
    EXPECT_FALSE(browser.GoBack());
    Open("plain.html");
    ASSERT_TRUE(browser.GoBack());
    EXPECT_EQ(listener.before.back(), Data("form.html"));
    ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() == 3; }));
    EXPECT_EQ(browser.CurrentAddress(), Data("form.html"));
    ASSERT_TRUE(browser.GoForward());
    ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() == 4; }));
    EXPECT_EQ(browser.CurrentAddress(), Data("plain.html"));
    EXPECT_FALSE(browser.GoForward());
}

TEST_F(BrowserViewTest, ALocalPageReachesNoAddressOnTheNetwork) {
    QTcpServer server; // stands for any web server the page names
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const std::string address = "http://127.0.0.1:" + std::to_string(server.serverPort());
    classroom.Write("remote.html", "<html><body><img src=\"" + address + "/a.png\"><iframe src=\"" + address +
                                       "/b.html\"></iframe><script>fetch('" + address + "/c');</script>" +
                                       "<a id=\"away\" href=\"" + address + "/d.html\">away</a></body></html>\n");
    Open("remote.html");
    InPage("document.getElementById('away').click();"); // a link the core lets load
    ASSERT_TRUE(WaitUntil([&] { return listener.completed.size() == 2; }));
    QTest::qWait(300);
    EXPECT_FALSE(server.hasPendingConnections());
}
