// Shared files may hold bytes that are no CP932 text: a station that broke off mid-write, a hand
// edit. Whatever they hold, what a page shows of them is text, never markup.

#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/ProfileSite.h"
#include "support/SitePupil.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

// A lone lead byte in front of markup: read as one double-byte character it would take the "<" along
// and leave the rest of the tag to run.
const std::string kLoneLead = "\x81";
const std::string kAttack = kLoneLead + "<img src=x onerror=alert(1)>" + kLoneLead + "<script>alert(2)</script>";

class DamagedTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        classroom.Write("bbs/bbs.html", "<p><!--velquinName--></p><table><!--velquinLAN--></table>\n");
        classroom.Write("sns/sns.html", "<p><!--velquinName--></p><div><!--velquinLAN--></div>\n");
        station.Start();
    }
    // No tag of the attack survives: every "<" of it is escaped.
    static void ExpectNoMarkupFromTheFile(const std::string& page) {
        EXPECT_EQ(page.find("<img src=x"), std::string::npos) << page;
        EXPECT_EQ(page.find("<script"), std::string::npos) << page;
        EXPECT_NE(page.find("?&lt;script&gt;"), std::string::npos) << page;
    }

    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock};
};

} // namespace

TEST_F(DamagedTextTest, ABoardAndATimelineShowTheBytesOfABrokenRecordAsText) {
    const std::string record = "PC02#c#1.1.1.1#c#2026/12/07 9:00:00#c#" + kAttack + "#c#" + kAttack + "\r\n";
    for (const char* file : {"bbs/bbsData.dat", "sns/snsData.dat"}) classroom.WriteBytes(file, "\r\n" + record);
    station.Open(VirtualPage("bbs.html"));
    ExpectNoMarkupFromTheFile(classroom.Read("bbs/tmpPC01bbs.html"));
    station.Open(VirtualPage("sns.html"));
    ExpectNoMarkupFromTheFile(classroom.Read("sns/tmpPC01sns.html"));
}

TEST_F(DamagedTextTest, AProfileListShowsABrokenNameAsText) {
    WriteProfileTemplates(classroom);
    classroom.Write("prof_html/090000PC02.html", "<table border=\"0\"></table>\n");
    classroom.WriteBytes("prof_edit/090000PC02.dat", "PC02\r\nprof/illustration/illustration00.jpg\r\npw\r\n" + kAttack +
                                                         "\r\n");
    station.Open(VirtualPage("prof_list.html"));
    ExpectNoMarkupFromTheFile(classroom.Read("prof/tmpPC01.html"));
}

TEST_F(DamagedTextTest, AFortuneShowsABrokenMessageAsText) {
    classroom.Write("fortune/fortune11.html", "<form><input></form>\n");
    classroom.Write("fortune/fortune12.html", "<h1><!--velquinName--></h1><p><!--velquinLAN--></p>\n");
    std::string messages;
    for (int line = 0; line < 85; ++line) messages += kAttack + "\r\n";
    classroom.WriteBytes("fortune/message.txt", messages);
    station.Open("fortune/fortune11.html");
    station.Fill(0, "山田");
    station.Open(VirtualPage("fortune12.html"));
    ExpectNoMarkupFromTheFile(classroom.Read("fortune/tmpPC01fortune.html"));
}

TEST_F(DamagedTextTest, TheChargePageShowsABrokenLogLineAsText) {
    classroom.Write("price/price.html", "<body><!--velquinLAN--></body>\n");
    classroom.WriteBytes("log/log_PC01.dat", "\r\nPC01,1.1.1.1,2026/12/07 9:00:00," + kAttack + ",\r\n");
    station.Open(VirtualPage("price.html"));
    ExpectNoMarkupFromTheFile(classroom.Read("price/tmpPC01price.html"));
}
