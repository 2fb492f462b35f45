#include "support/Classroom.h"
#include "support/SitePupil.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

constexpr const char* kOwnBubble =
    "<table width=\"90%\" class=\"myTable\" border=\"0\"><tr><td width=\"50px\"></td><td width=\"200px\">"
    "<font size=\"-1\" color=\"#ffffff\">No{n}　{name}</font></td></tr><tr><td width=\"50\"></td>"
    "<td width=\"200px\" bgcolor=\"#88ff88\">{text}</td></tr></table>\r\n";
constexpr const char* kOthersBubble =
    "<table width=\"90%\" class=\"myTable\" border=\"0\"><tr><td width=\"200px\">"
    "<font size=\"-1\" color=\"#ffffff\">No{n}　{name}</font></td><td width=\"50px\"></td></tr>"
    "<tr><td width=\"200px\" bgcolor=\"#ffffff\">{text}</td></tr><td width=\"50px\"></td></table>\r\n";

std::string Bubble(std::string shape, const std::string& n, const std::string& name, const std::string& text) {
    shape.replace(shape.find("{n}"), 3, n);
    shape.replace(shape.find("{name}"), 6, name);
    shape.replace(shape.find("{text}"), 6, text);
    return shape;
}

class SocialPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        classroom.Write("sns/sns.html", "<form><input><textarea></textarea></form>\n"
                                        "<p><!--velquinName--></p>\n<div><!--velquinLAN--></div>\n");
        pc01.Start();
        pc02.Start();
    }
    static void Post(Station& station, const std::string& name, const std::string& text) {
        if (station.phone.sites.ChatShown == 0) station.Open(VirtualPage("sns.html"));
        Submit(station, "sns.html", {name, text});
    }
    std::string Timeline(const std::string& station) const {
        const std::string page = classroom.Read("sns/tmp" + station + "sns.html");
        const std::size_t from = page.find("<div>") + 5;
        return page.substr(from, page.find("</div>") - from);
    }

    Classroom classroom;
    ManualClock clock;
    Station pc01{classroom, "PC01", clock, "192.168.0.11"};
    Station pc02{classroom, "PC02", clock, "192.168.0.12"};
};

} // namespace

TEST_F(SocialPageTest, OneTimelineShowsEachStationItsOwnPostsOnTheRight) {
    Post(pc01, "たろう", "おはよう");
    Post(pc02, "じろう", "やあ");
    pc01.Open(VirtualPage("sns.html")); // empty form: nothing is posted, the timeline is refreshed

    EXPECT_EQ(Timeline("PC01"), Bubble(kOwnBubble, "1", "たろう", "おはよう") +
                                    Bubble(kOthersBubble, "2", "じろう", "やあ"));
    EXPECT_EQ(Timeline("PC02"), Bubble(kOthersBubble, "1", "たろう", "おはよう") +
                                    Bubble(kOwnBubble, "2", "じろう", "やあ"));
    EXPECT_NE(classroom.Read("sns/tmpPC02sns.html").find("<p>2件あります</p>"), std::string::npos);
    EXPECT_EQ(DataLines(classroom, "sns/snsData.dat"),
              (std::vector<std::string>{"", "PC01#c#192.168.0.11#c#2026/12/07 9:00:00#c#たろう#c#おはよう",
                                        "PC02#c#192.168.0.12#c#2026/12/07 9:00:00#c#じろう#c#やあ"}));
    EXPECT_EQ(DataLines(classroom, "log/log_PC02.dat").back(), "PC02,192.168.0.12,2026/12/07 9:00:00,sns,");
}

TEST_F(SocialPageTest, OwnPostsAreKnownByTheExactStationName) {
    classroom.Write("sns/snsData.dat", "\npc01#c#1.1.1.1#c#t#c#小文字#c#a\nPC01#c#1.1.1.1#c#t#c#本人#c#b\n");
    pc01.Open(VirtualPage("sns.html"));
    EXPECT_EQ(Timeline("PC01"), Bubble(kOthersBubble, "1", "小文字", "a") + Bubble(kOwnBubble, "2", "本人", "b"));
}

TEST_F(SocialPageTest, EmptyNameIsNashiAndEmptyPostsStoreNothing) {
    Post(pc01, "", "名前なし");
    Post(pc01, "", "");
    EXPECT_EQ(Timeline("PC01"), Bubble(kOwnBubble, "1", "なし", "名前なし"));
}

TEST_F(SocialPageTest, TextShowsEscapedWithItsLineBreaks) {
    Post(pc01, "a&b", "1行目\n<i>2行目</i>");
    pc02.Open(VirtualPage("sns.html"));
    EXPECT_EQ(Timeline("PC02"), Bubble(kOthersBubble, "1", "a&amp;b", "1行目<br>&lt;i&gt;2行目&lt;/i&gt;"));
}

TEST_F(SocialPageTest, AfterALessonTheFirstArrivalPostsThatPagesForm) {
    classroom.Write("s_beginner/s_begin31.html", "<form><textarea></textarea><input type=submit value=\"送る\"></form>"
                                                 "<!--velquinLAN-->\n");
    pc01.Open(VirtualPage("s_begin31.html"));
    pc01.Fill(0, "レッスンの文");
    pc01.Open(VirtualPage("sns.html"));
    EXPECT_EQ(Timeline("PC01"), Bubble(kOwnBubble, "1", "レッスンの文", "送る"));
}
