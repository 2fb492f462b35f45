// The demo scenarios of the shared sites, run by vqsim on the sample content, as a teacher would run them.

#include "support/Classroom.h"
#include "support/SitePupil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace vqtest;

namespace {

class SitesScenarioTest : public ::testing::Test {
protected:
    void SetUp() override { classroom.UseSampleContent(); }

    // Runs a script of tools/demo from the classroom folder and returns what vqsim printed.
    std::string RunDemo(const std::string& script) const {
        const auto output = classroom.root / "vqsim-output.txt";
        const std::string command = "cd '" + classroom.root.string() + "' && '" + VQ_VQSIM + "' '" +
                                    (SourceDir() / "tools/demo" / script).string() + "' > '" + output.string() +
                                    "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::ifstream in(output);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string Page(const std::string& relative) const { return classroom.Read(relative); }
    bool Shows(const std::string& relative, const std::string& fragment) const {
        return Page(relative).find(fragment) != std::string::npos;
    }

    Classroom classroom;
};

} // namespace

TEST_F(SitesScenarioTest, TwoStationsSeeEachOthersPostsOnTheBoardAndTheTimeline) {
    const std::string printed = RunDemo("board-and-timeline.vqs");
    EXPECT_EQ(printed.find(" error "), std::string::npos) << printed;

    // The board: both posts on both stations, newest first, the markup shown as text.
    for (const char* station : {"PC01", "PC02"}) {
        const std::string page = Page(std::string("bbs/tmp") + station + "bbs.html");
        const std::size_t hanako = page.find("No2　</font><b>はなこ</b><br>&lt;b&gt;こちらこそ&lt;/b&gt; よろしく");
        const std::size_t taro = page.find("No1　</font><b>たろう</b><br>はじめまして！<br>よろしくね");
        EXPECT_NE(hanako, std::string::npos) << station;
        EXPECT_LT(hanako, taro) << station;
        EXPECT_NE(page.find("2件あります"), std::string::npos) << station;
    }

    // The timeline: the same two posts, each station's own one green on the right.
    EXPECT_TRUE(Shows("sns/tmpPC01sns.html", "color=\"#ffffff\">No1　はなこ</font></td><td width=\"50px\">"));
    EXPECT_TRUE(Shows("sns/tmpPC01sns.html", "<td width=\"50px\"></td><td width=\"200px\"><font size=\"-1\" "
                                             "color=\"#ffffff\">No2　たろう"));
    EXPECT_TRUE(Shows("sns/tmpPC02sns.html", "<td width=\"50px\"></td><td width=\"200px\"><font size=\"-1\" "
                                             "color=\"#ffffff\">No1　はなこ"));
    EXPECT_TRUE(Shows("sns/tmpPC02sns.html", "color=\"#ffffff\">No2　たろう</font></td><td width=\"50px\">"));
    EXPECT_EQ(DataLines(classroom, "sns/snsData.dat").size(), 3u); // the refreshes after going home posted nothing
    EXPECT_NE(printed.find("[PC02] BoardShown=0\n[PC02] ChatShown=1"), std::string::npos);
}

TEST_F(SitesScenarioTest, EveryFortuneAnswersFromTheSampleContentAndIsBilled) {
    const std::string printed = RunDemo("fortunes.vqs");
    EXPECT_EQ(printed.find(" error "), std::string::npos) << printed;
    const auto log = DataLines(classroom, "log/log_PC03.dat");
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[1], "PC03,192.168.0.13,2026/12/07 11:00:00,姓名占い,山田太郎");
    EXPECT_EQ(log[2], "PC03,192.168.0.13,2026/12/07 11:00:00,星座占い,05月03日");
    EXPECT_EQ(log[5], "PC03,192.168.0.13,2026/12/07 11:00:00,相性占い,たろう、はなこ");
    EXPECT_TRUE(Shows("fortune/tmpPC03fortune.html", "「たろう」さんと「はなこ」さんとの相性"));
    EXPECT_TRUE(Shows("price/tmpPC03price.html", "相性占い(1回)"));
}

TEST_F(SitesScenarioTest, LessonsEchoTheMessageAndRiskPagesShowWhatWasGivenAway) {
    const std::string printed = RunDemo("lessons-and-risk.vqs");
    EXPECT_EQ(printed.find(" error "), std::string::npos) << printed;
    EXPECT_TRUE(Shows("s_beginner/tmp3PC04sns.html", "bgcolor=\"#88ff88\">おはよう！今日もがんばろう</td>"));
    EXPECT_TRUE(Shows("s_beginner/tmp4PC04sns.html", "bgcolor=\"#88ff88\">毎朝駅前にいます。よろしく</td>"));
    EXPECT_TRUE(Shows("s_beginner/tmp5PC04sns.html", "bgcolor=\"#88ff88\">つぎはきっとできるよ</td>"));
    EXPECT_TRUE(Shows("risk/tmpPC04risk.html", "2026/12/07 13:00:00"));
    EXPECT_TRUE(Shows("risk/tmpPC04risk.html", "192.168.0.14"));
    const auto log = DataLines(classroom, "log/log_PC04.dat");
    EXPECT_EQ(log, (std::vector<std::string>{"", "PC04,192.168.0.14,2026/12/07 13:00:00,アダルトサイト,いいえ",
                                             "PC04,192.168.0.14,2026/12/07 13:00:00,出会い系サイト,登録した",
                                             "PC04,192.168.0.14,2026/12/07 13:00:00,無料会員登録,登録した"}));
    EXPECT_NE(printed.find("[PC04] navigate $DATA/risk/adult.html"), std::string::npos); // the back key's way out
}
