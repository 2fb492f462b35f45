#include "site/Dispatcher.h"
#include "site/VirtualSite.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

class DispatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        classroom.Write("price/price.html", "<html><!--velquinLAN--></html>\n");
        classroom.Write("number/number.html", "<p><!--velquinLAN--></p>\n");
        classroom.Write("prof/prof_list.html", "<table><!--velquinLAN--></table>\n");
        classroom.Write("prof_html/123456.html", "<p>profile</p><table border=\"0\"></table>\n");
        station.Start();
        station.trace.events.clear();
    }
    std::string Virtual(const std::string& page) { return std::string(VirtualSiteRoot) + page; }
    int Guard() const { return station.phone.site.GenerationGuard; }

    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock};
};

} // namespace

TEST(DispatchTable, HoldsEveryPageNameInOrder) {
    const auto table = DispatchTable();
    ASSERT_EQ(table.size(), 31u);
    EXPECT_EQ(table.front().name, "kisekae.html");
    EXPECT_EQ(table[7].name, "prof_html");
    EXPECT_EQ(table.back().name, "number.html");
    EXPECT_EQ(table[9].guard, Guard::TakesGuard);
    EXPECT_EQ(table[16].guard, Guard::GuardedClears);
}

TEST(DispatchTable, MatchRules) {
    const auto table = DispatchTable();
    const auto row = [&](std::string_view name) {
        for (const auto& r : table)
            if (r.name == name) return r;
        return table.front();
    };
    EXPECT_TRUE(row("prof_list.html").Matches("/data/prof_list.html"));
    EXPECT_FALSE(row("prof_list.html").Matches("prof_list.html"));
    EXPECT_TRUE(row("sns.html").Matches("/data/sns/sns.html"));
    EXPECT_FALSE(row("sns.html").Matches("/data/sns/myForm/sns.html"));
    EXPECT_TRUE(row("adult21.html").Matches("/data/risk/adult22.html"));
}

TEST_F(DispatcherTest, ResultPageNavigationRunsNoHandlerTwice) {
    station.Open(Virtual("price.html"));
    EXPECT_EQ(station.trace.Handlers(), std::vector<std::string>{"price.html"});
    EXPECT_EQ(station.browser.CurrentAddress(), classroom.DataRoot() + "price/tmpPC01price.html");
    EXPECT_EQ(Guard(), 0); // the completed result page freed the guard
    EXPECT_TRUE(station.errors.messages.empty());
}

TEST_F(DispatcherTest, AnAddressMatchingTwoNamesRunsBothInTableOrder) {
    // The edit link of a stored profile page: "prof_html" takes the guard, the password page runs anyway.
    station.Open(classroom.DataRoot() + "prof_html/123456prof_password.html");
    EXPECT_EQ(station.trace.Handlers(), (std::vector<std::string>{"prof_html", "prof_password.html"}));
    EXPECT_TRUE(station.errors.messages.empty());
}

TEST_F(DispatcherTest, PasswordHandlersTakeTheGuardWithoutTestingIt) {
    station.phone.site.GenerationGuard = 1;
    station.phone.WebBrowser1BeforeNavigate2(classroom.DataRoot() + "prof_html/123456prof_delete_password.html");
    EXPECT_EQ(station.trace.Handlers(), std::vector<std::string>{"prof_delete_password.html"});
    EXPECT_EQ(Guard(), 1);
    EXPECT_TRUE(station.errors.messages.empty());
    station.phone.WebBrowser1BeforeNavigate2(Virtual("price.html"));
    EXPECT_EQ(station.trace.Handlers().size(), 1u); // guarded rows wait for the guard
}

TEST_F(DispatcherTest, ClearingHandlersLetALaterMatchRunInTheSameEvent) {
    // "prof_editlist.html" frees the guard at its end, so "price.html" in the same address runs too.
    station.phone.WebBrowser1BeforeNavigate2(Virtual("prof_editlist.html/price.html"));
    EXPECT_EQ(station.trace.Handlers(), (std::vector<std::string>{"prof_editlist.html", "price.html"}));
    EXPECT_TRUE(station.errors.messages.empty());
    station.trace.events.clear();
    station.phone.site.GenerationGuard = 0;
    station.phone.WebBrowser1BeforeNavigate2(Virtual("prof_list.html/price.html"));
    EXPECT_EQ(station.trace.Handlers(), std::vector<std::string>{"prof_list.html"});
}

TEST_F(DispatcherTest, AnErrorEndsTheDispatchAndTheGuardWaitsForTheStartPage) {
    std::filesystem::remove(classroom.root / "data/price/price.html");
    station.phone.WebBrowser1BeforeNavigate2(classroom.DataRoot() + "kyouzai/price.html");
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_NE(station.errors.messages[0].find("price.html"), std::string::npos);
    EXPECT_EQ(Guard(), 1);
    station.Open(Virtual("number.html")); // runs nothing: the guard is still held
    EXPECT_EQ(station.trace.Handlers(), std::vector<std::string>{"price.html"});
    // The requested page was not cancelled; its completion at a "number.html" address freed the guard.
    EXPECT_EQ(Guard(), 0);
    station.phone.site.GenerationGuard = 1;
    station.Open(station.phone.StartPage);
    EXPECT_EQ(Guard(), 0);
    station.Open(Virtual("number.html"));
    EXPECT_EQ(station.trace.Handlers(), (std::vector<std::string>{"price.html", "number.html"}));
    EXPECT_EQ(classroom.Read("number/tmpPC01number.html"), "<p>192.168.0.1</p>\r\n");
}

TEST_F(DispatcherTest, ColourPanelOpensWhateverTheGuard) {
    station.phone.site.GenerationGuard = 1;
    station.Open(Virtual("kisekae.html"));
    EXPECT_EQ(station.phone.mail.ScreenMode, "WM");
    EXPECT_TRUE(station.phone.window.pnlURL.Visible);
    EXPECT_EQ(station.phone.window.WebBrowser1.Left, 500);
}
