#include "platform/Text.h"
#include "site/ChargeTable.h"
#include "site/VirtualSite.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

TEST(ChargeFor, RoundsExactProductsHalfToEven) {
    EXPECT_EQ(ChargeFor(u"メール送信", 10), 10);   // 9.5
    EXPECT_EQ(ChargeFor(u"メール送信", 30), 28);   // 28.5
    EXPECT_EQ(ChargeFor(u"掲示板", 128), 3562);    // 3562.5
    EXPECT_EQ(ChargeFor(u"姓名占い", 3), 140);     // 139.594...
    EXPECT_EQ(ChargeFor(u"メール送信", 2), 2);     // 1.9
    EXPECT_EQ(ChargeFor(u"sns", 50), 0);
    EXPECT_EQ(ChargeFor(u"計算パズル　入門編", 1), 34);
}

TEST(TallyActivityLog, CountsByFourthFieldInFirstSeenOrder) {
    const std::vector<std::string> log{
        "", "PC01,1.2.3.4,2026/12/07 9:00:00,メール送信,",
        "PC01,1.2.3.4,2026/12/07 9:00:01,姓名占い,山田,太郎", // a detail with commas
        "PC01,1.2.3.4,2026/12/07 9:00:02,メール送信,", "PC01,1.2.3.4,2026/12/07", "noComma"};
    std::vector<std::string> cp932;
    for (const auto& l : log) cp932.push_back(Utf8ToCp932(l));
    const auto tally = TallyActivityLog(cp932);
    ASSERT_EQ(tally.size(), 3u);
    EXPECT_EQ(tally[0].title, u"メール送信");
    EXPECT_EQ(tally[0].count, 2);
    EXPECT_EQ(tally[1].title, u"姓名占い");
    EXPECT_EQ(tally[2].title, u""); // a line without a fourth field counts under an empty title
}

TEST(TallyActivityLog, EveryTitleIsBilledBeyondTwenty) {
    std::vector<std::string> log;
    for (int i = 0; i < 25; ++i) log.push_back("PC,a,t,title" + std::to_string(i) + ",");
    log.push_back(Utf8ToCp932("PC,a,t,プロフ,プロフ作成"));
    const auto tally = TallyActivityLog(log);
    ASSERT_EQ(tally.size(), 26u);
    const std::u16string html = ChargeTableHtml(BillOf(log));
    EXPECT_NE(html.find(u"円</font></b>"), std::u16string::npos);
    EXPECT_NE(html.find(u"プロフ(1回)"), std::u16string::npos);
}

TEST(ChargePage, ShowsRowsAndTotalFromTheActivityLog) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    classroom.Write("price/price.html", "<body>\n<!--velquinLAN-->\n</body>\n");
    ManualClock clock;
    Station station(classroom, "PC01", clock);
    station.Start();
    classroom.Write("log/log_PC01.dat",
                    "\nPC01,a,t,メール送信,\nPC01,a,t,メール送信,\nPC01,a,t,メール受信,\n");
    station.Open(std::string(VirtualSiteRoot) + "price.html");
    EXPECT_EQ(classroom.Read("price/tmpPC01price.html"),
              "<body><table>"
              "<tr color=\"#ffffcc\"><td><font size = \"2\">メール送信(2回)</font></td>"
              "<td align=\"right\"><font size = \"2\">　2円</font></td></tr>"
              "<tr color=\"#ffffcc\"><td><font size = \"2\">メール受信(1回)</font></td>"
              "<td align=\"right\"><font size = \"2\">　1円</font></td></tr>"
              "</table><br><b>利用合計＝　<font color=\"#ff0000\" size=\"4\">3円</font></b><br></body>\r\n");
    EXPECT_EQ(station.phone.site.GenerationGuard, 0);
}

TEST(ChargePage, MissingLogStopsAfterTheTemplateWithTheGuardHeld) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    classroom.Write("price/price.html", "<!--velquinLAN-->\n");
    ManualClock clock;
    Station station(classroom, "PC01", clock);
    station.Start();
    std::filesystem::remove(classroom.root / "data/log/log_PC01.dat");
    station.phone.WebBrowser1BeforeNavigate2(std::string(VirtualSiteRoot) + "price.html");
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_FALSE(classroom.Exists("price/tmpPC01price.html"));
    EXPECT_EQ(station.phone.site.GenerationGuard, 1);
}
