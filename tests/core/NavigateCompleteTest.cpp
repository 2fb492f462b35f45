#include "site/ActivityLog.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

class NavigateCompleteTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        clock.Set({2026, 12, 7, 9, 5, 7, 0});
        station.Start();
    }
    std::string Log() const { return classroom.Read("log/log_PC01.dat"); }

    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock, "10.1.2.3"};
};

} // namespace

TEST_F(NavigateCompleteTest, TeachingPageVisitIsLoggedWithItsTitle) {
    station.Open("kyouzai/contents/study/koumin.html");
    EXPECT_EQ(Log(), "\r\nPC01,10.1.2.3,2026/12/07 9:05:07,中学校公民,\r\n");
}

TEST_F(NavigateCompleteTest, UnknownStudyPageLogsNothing) {
    station.Open("kyouzai/contents/study/koumin.html");
    station.Open("kyouzai/contents/study/other.html");
    EXPECT_EQ(Log(), "\r\nPC01,10.1.2.3,2026/12/07 9:05:07,中学校公民,\r\n");
}

TEST_F(NavigateCompleteTest, MidnightStampHasNoTime) {
    clock.Set({2026, 12, 8, 0, 0, 0, 0});
    station.Open("kyouzai/contents/study/seiza.html");
    EXPECT_EQ(Log(), "\r\nPC01,10.1.2.3,2026/12/08,携帯★星座早見,\r\n");
}

TEST_F(NavigateCompleteTest, RiskPageFreesTheGuardAndLogsOnlyTheSignUp) {
    station.phone.site.GenerationGuard = 1;
    station.Open("risk/adult.html");
    EXPECT_EQ(station.phone.site.GenerationGuard, 0);
    EXPECT_EQ(Log(), "\r\n");
    station.Open("risk/send_spam_mail2.html");
    EXPECT_EQ(Log(), "\r\nPC01,10.1.2.3,2026/12/07 9:05:07,無料会員登録,登録した\r\n");
}

TEST_F(NavigateCompleteTest, TypedLineBreakInADetailCannotForgeALogLine) {
    LogActivity(station.phone, u"姓名占い", u"山田\r\nPC01,10.1.2.3,t,アダルトサイト,はい");
    EXPECT_EQ(DataLines(classroom, "log/log_PC01.dat").size(), 2u);
}

TEST_F(NavigateCompleteTest, StartPageClearsThePageFlags) {
    station.phone.sites.BoardShown = 1;
    station.phone.sites.ChatShown = 1;
    station.phone.site.GenerationGuard = 1;
    station.Open(station.phone.StartPage);
    EXPECT_EQ(station.phone.sites.BoardShown, 0);
    EXPECT_EQ(station.phone.sites.ChatShown, 0);
    EXPECT_EQ(station.phone.site.GenerationGuard, 0);
}
