#include "support/Classroom.h"
#include "support/SitePupil.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

std::string OwnBubble(const std::string& text) {
    return "<table width=\"90%\" class=\"myTable\" border=\"0\"><tr><td width=\"50px\"></td><td width=\"200px\">"
           "<font size=\"-1\" color=\"#ffffff\">Noわたし</font></td></tr><tr><td width=\"50\"></td>"
           "<td width=\"200px\" bgcolor=\"#88ff88\">" + text + "</td></tr></table>";
}

class LessonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        for (const char* n : {"3", "4", "5"})
            classroom.Write(std::string("s_beginner/s_begin") + n + "1.html",
                            std::string("<h1>") + n + "</h1><!--velquinName--><form><textarea></textarea>"
                            "<input type=submit></form>\n[<!--velquinLAN-->]\n");
        station.Start();
    }
    std::string Lesson(int n) const { return classroom.Read("s_beginner/tmp" + std::to_string(n) + "PC01sns.html"); }
    std::string Message(int n) const {
        return classroom.Exists("s_beginner/tmpData" + std::to_string(n) + "PC01.dat")
                   ? classroom.Read("s_beginner/tmpData" + std::to_string(n) + "PC01.dat")
                   : "(none)";
    }

    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock, "192.168.0.11"};
};

} // namespace

TEST_F(LessonsTest, FirstVisitHasNoBubbleAndAPostComesBackAsMyOwn) {
    station.Open(VirtualPage("s_begin31.html"));
    EXPECT_EQ(Lesson(3), "<h1>3</h1><!--velquinName--><form><textarea></textarea><input type=submit></form>[]\r\n");
    EXPECT_EQ(station.phone.sites.ChatShown, 1);

    Submit(station, "s_begin31.html", {"おはよう\nみんな"});
    EXPECT_NE(Lesson(3).find("[" + OwnBubble("おはよう<br>みんな") + "]"), std::string::npos);
    EXPECT_EQ(Message(3), "PC01#c#192.168.0.11#c#2026/12/07 9:00:00#c##c#おはよう\\nみんな\r\n");
    EXPECT_EQ(DataLines(classroom, "log/log_PC01.dat"), std::vector<std::string>{""}); // lessons are not billed
}

TEST_F(LessonsTest, EmptyMessageShowsAnEmptyBubbleAndKeepsTheLastOne) {
    station.Open(VirtualPage("s_begin41.html"));
    Submit(station, "s_begin41.html", {"一回目"});
    clock.AdvanceSeconds(1);
    Submit(station, "s_begin41.html", {"二回目"});
    Submit(station, "s_begin41.html", {""});
    EXPECT_NE(Lesson(4).find("[" + OwnBubble("") + "]"), std::string::npos);
    EXPECT_EQ(Message(4), "PC01#c#192.168.0.11#c#2026/12/07 9:00:01#c##c#二回目\r\n");
    EXPECT_EQ(Message(3), "(none)");
}

TEST_F(LessonsTest, MarkupInAMessageIsShownAsText) {
    station.Open(VirtualPage("s_begin51.html"));
    Submit(station, "s_begin51.html", {"<img src=x onerror=alert(1)>"});
    EXPECT_NE(Lesson(5).find(OwnBubble("&lt;img src=x onerror=alert(1)&gt;")), std::string::npos);
}

TEST_F(LessonsTest, AfterTheTimelineTheLessonReadsThatPagesForm) {
    classroom.Write("sns/sns.html", "<form><input value=\"名前\"><textarea>タイムラインの文</textarea></form>"
                                    "<!--velquinLAN-->\n");
    station.Open(VirtualPage("sns.html"));
    station.Open(VirtualPage("s_begin31.html"));
    EXPECT_NE(Lesson(3).find(OwnBubble("名前")), std::string::npos);
}

TEST_F(LessonsTest, ComingFromAPageWithoutAFormShowsTheLessonWithoutError) {
    classroom.Write("s_beginner/s_begin_top.html", "<a href=\"x\">lessons</a>\n");
    station.Open(VirtualPage("s_begin31.html"));
    station.Open("s_beginner/s_begin_top.html");
    station.Open(VirtualPage("s_begin41.html"));
    EXPECT_TRUE(station.errors.messages.empty());
    EXPECT_NE(Lesson(4).find("[]"), std::string::npos);
}

TEST_F(LessonsTest, HomeClearsTheFlagTheLessonsShareWithTheTimeline) {
    station.Open(VirtualPage("s_begin31.html"));
    station.phone.BitBtnDownClick();
    station.browser.RunLoop();
    EXPECT_EQ(station.phone.sites.ChatShown, 0);
    station.Open(VirtualPage("s_begin31.html"));
    EXPECT_NE(Lesson(3).find("[]"), std::string::npos);
}
