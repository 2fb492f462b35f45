#include "support/Classroom.h"
#include "support/SitePupil.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

class RiskPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        classroom.Write("risk/adult21.html", "adult <!--velquinName--> / <!--velquinLAN-->\n");
        classroom.Write("risk/meet21.html", "meet <!--velquinName--> / <!--velquinLAN-->\n");
        station.Start();
    }
    std::string Page() const { return classroom.Read("risk/tmpPC01risk.html"); }
    std::string LastLog() const { return DataLines(classroom, "log/log_PC01.dat").back(); }

    Classroom classroom;
    ManualClock clock{{2026, 12, 7, 13, 5, 9, 0}};
    Station station{classroom, "PC01", clock, "10.1.2.3"};
};

} // namespace

TEST_F(RiskPagesTest, BothAnswersOfTheAdultSiteShowTheSamePageAndLogTheAnswer) {
    station.Open(VirtualPage("adult21.html"));
    EXPECT_EQ(Page(), "adult 2026/12/07 13:05:09 / 10.1.2.3\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.1.2.3,2026/12/07 13:05:09,アダルトサイト,はい");
    EXPECT_EQ(station.phone.site.GenerationGuard, 0);

    clock.AdvanceSeconds(1);
    station.Open(VirtualPage("adult22.html"));
    EXPECT_EQ(Page(), "adult 2026/12/07 13:05:10 / 10.1.2.3\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.1.2.3,2026/12/07 13:05:10,アダルトサイト,いいえ");
    EXPECT_EQ(station.trace.Handlers(), (std::vector<std::string>{"adult21.html", "adult21.html"}));
}

TEST_F(RiskPagesTest, TheDatingPageOverwritesTheSameResultPage) {
    station.Open(VirtualPage("adult21.html"));
    station.Open(VirtualPage("meet21.html"));
    EXPECT_EQ(Page(), "meet 2026/12/07 13:05:09 / 10.1.2.3\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.1.2.3,2026/12/07 13:05:09,出会い系サイト,登録した");
    station.phone.BitBtnLeftClick(); // the back key leads out of the risky site
    station.browser.RunLoop();
    EXPECT_EQ(station.browser.CurrentAddress(), classroom.DataRoot() + "risk/adult.html");
}
