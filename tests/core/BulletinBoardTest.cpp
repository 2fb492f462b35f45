#include "support/Classroom.h"
#include "support/SitePupil.h"

#include "platform/LockedFile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <thread>

using namespace vq;
using namespace vqtest;

namespace {

class BulletinBoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        classroom.Write("bbs/bbs.html", "<form><input name=n><textarea name=t></textarea></form>\n"
                                        "<p><!--velquinName--></p>\n<table><!--velquinLAN--></table>\n");
        station.Start();
    }
    // Opens the board and posts once through its own form.
    void Post(const std::string& name, const std::string& text) {
        if (station.phone.sites.BoardShown == 0) station.Open(VirtualPage("bbs.html"));
        Submit(station, "bbs.html", {name, text});
    }
    std::string Page() const { return classroom.Read("bbs/tmpPC01bbs.html"); }
    std::vector<std::string> Records() const {
        std::vector<std::string> records;
        for (const auto& line : DataLines(classroom, "bbs/bbsData.dat"))
            if (line.find("#c#") != std::string::npos) records.push_back(line);
        return records;
    }

    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock, "192.168.0.11"};
};

// The numbers and row colours of a board page, top to bottom.
std::vector<std::string> Matches(const std::string& page, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(page.begin(), page.end(), re); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

} // namespace

TEST_F(BulletinBoardTest, EmptyBoardShowsZeroAndNoRows) {
    station.Open(VirtualPage("bbs.html"));
    EXPECT_EQ(Page(), "<form><input name=n><textarea name=t></textarea></form><p>0件あります</p><table></table>\r\n");
    EXPECT_EQ(station.browser.CurrentAddress(), classroom.DataRoot() + "bbs/tmpPC01bbs.html");
    EXPECT_EQ(station.phone.sites.BoardShown, 1);
    EXPECT_EQ(station.phone.site.GenerationGuard, 0);
    EXPECT_EQ(DataLines(classroom, "log/log_PC01.dat").back(), "PC01,192.168.0.11,2026/12/07 9:00:00,掲示板,");
}

TEST_F(BulletinBoardTest, PostsAreStoredAsRecordsAndShownNewestFirst) {
    Post("たろう", "こんにちは");
    clock.AdvanceSeconds(65);
    Post("はなこ", "やあ");
    EXPECT_EQ(Records(), (std::vector<std::string>{
                             "PC01#c#192.168.0.11#c#2026/12/07 9:00:00#c#たろう#c#こんにちは",
                             "PC01#c#192.168.0.11#c#2026/12/07 9:01:05#c#はなこ#c#やあ"}));
    EXPECT_EQ(Page(), "<form><input name=n><textarea name=t></textarea></form><p>2件あります</p><table>"
                      "<tr bgcolor=\"#ffffcc\"><td><font size=\"2\" color=\"#888888\">No2　</font><b>はなこ</b><br>"
                      "やあ</td></tr>\r\n"
                      "<tr bgcolor=\"#ffff99\"><td><font size=\"2\" color=\"#888888\">No1　</font><b>たろう</b><br>"
                      "こんにちは</td></tr>\r\n</table>\r\n");
}

TEST_F(BulletinBoardTest, FivePostsCountDownWithRotatingColours) {
    for (int i = 1; i <= 5; ++i) Post("n" + std::to_string(i), "t");
    EXPECT_EQ(Matches(Page(), "No(\\d+)　"), (std::vector<std::string>{"5", "4", "3", "2", "1"}));
    EXPECT_EQ(Matches(Page(), "<tr bgcolor=\"(#ffff..)\">"),
              (std::vector<std::string>{"#ffffcc", "#ffff99", "#ffff66", "#ffffcc", "#ffff99"}));
    EXPECT_NE(Page().find("<p>5件あります</p>"), std::string::npos);
}

TEST_F(BulletinBoardTest, EmptyNameBecomesNashiAndTwoEmptyFieldsStoreNothing) {
    Post("", "名前なしの投稿");
    Post("", "");
    const auto records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], "PC01#c#192.168.0.11#c#2026/12/07 9:00:00#c#なし#c#名前なしの投稿");
    EXPECT_NE(Page().find("<b>なし</b><br>名前なしの投稿"), std::string::npos);
    EXPECT_NE(Page().find("1件あります"), std::string::npos); // the empty post still showed the board
}

TEST_F(BulletinBoardTest, FirstArrivalAfterHomeNeverPosts) {
    station.Open(VirtualPage("bbs.html"));
    station.phone.BitBtnDownClick();
    station.browser.RunLoop();
    EXPECT_EQ(station.phone.sites.BoardShown, 0);
    classroom.Write("kyouzai/contents/form.html", "<form><input value=\"name\"><input value=\"text\"></form>\n");
    station.Open("kyouzai/contents/form.html");
    station.Open(VirtualPage("bbs.html"));
    EXPECT_TRUE(Records().empty());
    EXPECT_EQ(station.phone.sites.BoardShown, 1);
}

TEST_F(BulletinBoardTest, MarkupTypedByAPupilShowsAsTextAndIsStoredAsTyped) {
    Post("<b>ボス</b>", "<script>alert('x')</script> & \"引用\"");
    EXPECT_EQ(Records().at(0), "PC01#c#192.168.0.11#c#2026/12/07 9:00:00#c#<b>ボス</b>#c#"
                               "<script>alert('x')</script> & \"引用\"");
    EXPECT_NE(Page().find("<b>&lt;b&gt;ボス&lt;/b&gt;</b><br>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; "
                          "&quot;引用&quot;</td>"),
              std::string::npos);
    EXPECT_EQ(Page().find("<script>"), std::string::npos);
}

TEST_F(BulletinBoardTest, TypedLineBreaksAndSeparatorsStayInsideTheirPost) {
    // The second line poses as a record of another station; it must stay text of this post.
    Post("名前#c#つづき", "一行目\r\nPC99#c#10.0.0.9#c#2026/01/01 0:00:01#c#にせもの#c#ソ\\表");
    const auto records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], "PC01#c#192.168.0.11#c#2026/12/07 9:00:00#c#名前#\\c#つづき#c#"
                          "一行目\\nPC99#\\c#10.0.0.9#\\c#2026/01/01 0:00:01#\\c#にせもの#\\c#ソ\\\\表");
    EXPECT_EQ(DataLines(classroom, "bbs/bbsData.dat").size(), 2u); // the empty first line and the one record
    EXPECT_NE(Page().find("1件あります"), std::string::npos);
    EXPECT_NE(Page().find("<b>名前#c#つづき</b><br>一行目<br>PC99#c#10.0.0.9#c#2026/01/01 0:00:01#c#にせもの#c#ソ\\表"),
              std::string::npos);
}

TEST_F(BulletinBoardTest, LinesWithoutSeparatorAndOlderUnencodedTextsAreReadAsBefore) {
    // Written by a program that stored line breaks as they were typed: the continuation line is no post.
    classroom.Write("bbs/bbsData.dat", "\nPC02#c#1.2.3.4#c#2026/12/01 8:00:00#c#jiro#c#first line\n"
                                       "second line\nPC02#c#1.2.3.4#c#2026/12/01 8:00:01#c#jiro#c#a#c#b\n");
    station.Open(VirtualPage("bbs.html"));
    EXPECT_NE(Page().find("2件あります"), std::string::npos);
    EXPECT_NE(Page().find("<b>jiro</b><br>a#c#b</td>"), std::string::npos);
    EXPECT_EQ(Page().find("second line"), std::string::npos);
}

TEST_F(BulletinBoardTest, LeavingAPageWithoutAFormIsAPlainVisitButABrokenFormFails) {
    classroom.Write("kyouzai/contents/plain.html", "<p>no form here</p>\n");
    station.Open(VirtualPage("bbs.html"));
    station.Open("kyouzai/contents/plain.html"); // BoardShown stays 1 on the way
    station.Open(VirtualPage("bbs.html"));
    EXPECT_TRUE(station.errors.messages.empty());
    EXPECT_EQ(station.phone.site.GenerationGuard, 0);

    classroom.Write("kyouzai/contents/one.html", "<form><input value=\"only a name\"></form>\n");
    station.Open("kyouzai/contents/one.html");
    station.Open(VirtualPage("bbs.html"));
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_TRUE(Records().empty());
}

// Another computer is halfway through its own post (it holds the board file's lock): this station's
// post waits for it instead of landing on top of it, and a missing board file is an error, not a
// file created anew.
TEST_F(BulletinBoardTest, APostWaitsForAnotherStationsAppendAndNeverCreatesTheFile) {
    station.Open(VirtualPage("bbs.html"));
    const std::string data = classroom.DataRoot() + "bbs/bbsData.dat";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        auto file = LockedFile::OpenExisting(data);
        (void)!::write(ready[1], "x", 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        file->AppendWhole("PC02#c#192.168.0.12#c#2026/12/07 9:00:00#c#jiro#c#first\r\n");
        ::_exit(0);
    }
    char go = 0;
    ASSERT_EQ(::read(ready[0], &go, 1), 1);
    Submit(station, "bbs.html", {"taro", "second"});
    int status = 0;
    ::waitpid(other, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    const auto records = Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NE(records[0].find("#c#first"), std::string::npos);
    EXPECT_NE(records[1].find("#c#second"), std::string::npos);

    std::filesystem::remove(data);
    Submit(station, "bbs.html", {"taro", "third"});
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_NE(station.errors.messages[0].find("bbsData.dat"), std::string::npos);
    EXPECT_FALSE(classroom.Exists("bbs/bbsData.dat"));
}
