#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

class ProfileBrowsingTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        WriteProfileTemplates(classroom);
        pc01.Start();
        pc02.Start();
    }
    std::string Shown(const std::string& station = "PC01") const { return classroom.Read("prof/tmp" + station + ".html"); }
    void Search(Station& station, const std::string& keyword) {
        station.Open("prof/prof_top.html");
        station.Fill(0, keyword);
        station.Open(VirtualPage("prof_search2.html"));
    }
    std::size_t ViewFiles() const {
        std::size_t n = 0;
        for (const auto& e : std::filesystem::directory_iterator(classroom.root / "data/prof_counter")) n += e.is_regular_file();
        return n;
    }

    Classroom classroom;
    ManualClock clock;
    Station pc01{classroom, "PC01", clock};
    Station pc02{classroom, "PC02", clock};
};

} // namespace

TEST_F(ProfileBrowsingTest, WithoutProfilesThePagesShowNoRows) {
    pc01.Open(VirtualPage("prof_list.html"));
    EXPECT_EQ(Shown(), "<table><!--velquinLAN--></table>\r\n");
    pc01.Open(VirtualPage("prof_best.html"));
    EXPECT_EQ(Shown(), "<table class=\"best\"><!--velquinLAN--></table>\r\n");
    Search(pc01, "サッカー");
    EXPECT_EQ(Shown(), "<form><input name=\"keyword\"></form><p>「サッカー」はみつかりませんでした<br></p>"
                       "<table><!--velquinLAN--></table>\r\n");
    EXPECT_TRUE(pc01.errors.messages.empty());
}

TEST_F(ProfileBrowsingTest, ANewProfileCountsOneEverywhere) {
    CreateProfile(pc01, "pw", "タロウ", "サッカー");
    const std::string row = "<tr><td>1</td><td><img src=\"" + classroom.DataRoot() +
                            "prof/illustration/illustration00.jpg\" width=\"60\" height=\"45\"></td><td>タロウ</td>"
                            "<td><a href=\"" + classroom.DataRoot() + "prof_html/090000PC01.html\"><b>表示</b></a></td></tr>\r\n";
    pc02.Open(VirtualPage("prof_list.html"));
    EXPECT_EQ(Shown("PC02"), "<table>" + row + "</table>\r\n");
    pc02.Open(VirtualPage("prof_best.html"));
    EXPECT_EQ(Shown("PC02"), "<table class=\"best\">" + row + "</table>\r\n");
    Search(pc02, "サッカー");
    EXPECT_EQ(Shown("PC02"), "<form><input name=\"keyword\"></form><p>「サッカー」が書かれているプロフ<br></p>"
                             "<table>" + row + "</table>\r\n");
}

TEST_F(ProfileBrowsingTest, ViewsCountOncePerStationAndSecondAndRankTheProfiles) {
    CreateProfile(pc01, "pw", "一郎", "");
    CreateProfile(pc02, "pw", "二郎", "");
    // Equal counts: the later name in directory order comes first.
    pc01.Open(VirtualPage("prof_best.html"));
    EXPECT_EQ(ListedNames(classroom, "PC01"), (std::vector<std::string>{"二郎", "一郎"}));

    const std::string ichiro = classroom.DataRoot() + "prof_html/090000PC01.html";
    // A view in the second PC02 created its own profile would be named like that profile too.
    clock.AdvanceSeconds(60);
    pc02.Open(ichiro);
    clock.AdvanceMilliseconds(400);
    pc02.Open(ichiro); // the same second: the same view file
    EXPECT_TRUE(classroom.Exists("prof_counter/090000PC01090100PC02.dat"));
    EXPECT_EQ(pc02.browser.CurrentAddress(), ichiro);
    EXPECT_EQ(DataLines(classroom, "log/log_PC02.dat").back(), "PC02,192.168.0.1,2026/12/07 9:01:00,プロフ,プロフ利用");
    pc01.Open(VirtualPage("prof_best.html"));
    EXPECT_EQ(ListedNames(classroom, "PC01"), (std::vector<std::string>{"一郎", "二郎"}));
    EXPECT_EQ(ListedCounts(classroom, "PC01"), (std::vector<int>{2, 1}));

    clock.AdvanceSeconds(1);
    pc02.Open(ichiro);
    pc01.Open(VirtualPage("prof_list.html"));
    EXPECT_EQ(ListedCounts(classroom, "PC01"), (std::vector<int>{1, 3})); // the list stays newest first
}

TEST_F(ProfileBrowsingTest, SearchLooksAtNameAndAnswersButNotThePassword) {
    CreateProfile(pc01, "secretword", "Taro", "サッカー");
    clock.AdvanceSeconds(1);
    CreateProfile(pc02, "pw", "Hanako", "テニス");
    const auto found = [&](const std::string& keyword) {
        Search(pc01, keyword);
        return ListedNames(classroom, "PC01");
    };
    EXPECT_EQ(found("secretword"), std::vector<std::string>{});
    EXPECT_EQ(found("テニス"), std::vector<std::string>{"Hanako"});
    EXPECT_EQ(found("Taro"), std::vector<std::string>{"Taro"});
    EXPECT_EQ(found("taro"), std::vector<std::string>{}); // letters compared exactly
    EXPECT_EQ(found("#c#"), (std::vector<std::string>{"Hanako", "Taro"}));
    EXPECT_EQ(found(""), std::vector<std::string>{});
    EXPECT_NE(Shown().find("<p>「」はみつかりませんでした<br></p>"), std::string::npos);
    found("<i>");
    EXPECT_NE(Shown().find("「&lt;i&gt;」はみつかりませんでした"), std::string::npos);
    EXPECT_EQ(pc01.phone.site.GenerationGuard, 0);
}

TEST_F(ProfileBrowsingTest, SearchNeverMatchesInsideADoubleByteCharacter) {
    // "ソ" is 83 5C in code page 932: its second byte must not be found as "\".
    CreateProfile(pc01, "pw", "ソ", "");
    Search(pc02, "\\");
    EXPECT_EQ(ListedNames(classroom, "PC02"), std::vector<std::string>{});
}

TEST_F(ProfileBrowsingTest, OpeningAnEditLinkCountsAsAView) {
    CreateProfile(pc01, "pw", "一郎", "");
    pc02.Open(VirtualPage("prof_editlist.html"));
    pc02.Open(classroom.DataRoot() + "prof_html/090000PC01prof_password.html");
    EXPECT_TRUE(classroom.Exists("prof_counter/090000PC01090000PC02.dat"));
    pc02.Open(VirtualPage("prof_list.html"));
    EXPECT_EQ(ListedCounts(classroom, "PC02"), std::vector<int>{2});
}

TEST_F(ProfileBrowsingTest, AnAddressWithProfHtmlThatNamesNoStoredPageCountsNothing) {
    const std::size_t before = ViewFiles();
    pc01.Open(classroom.DataRoot() + "prof_html_notes/readme.html");
    pc01.Open(VirtualPage("prof_html"));
    EXPECT_EQ(ViewFiles(), before);
    EXPECT_EQ(DataLines(classroom, "log/log_PC01.dat").size(), 1u);
}

TEST_F(ProfileBrowsingTest, AStoredPageWithoutDataFileIsLeftOutOfTheLists) {
    CreateProfile(pc01, "pw", "一郎", "");
    classroom.Write("prof_html/235959PC09.html", "<p>half written</p>\n");
    pc02.Open(VirtualPage("prof_list.html"));
    EXPECT_TRUE(pc02.errors.messages.empty());
    EXPECT_EQ(ListedNames(classroom, "PC02"), std::vector<std::string>{"一郎"});
}

// A folder where a data file should be: every page that lists profiles still shows the others,
// and the pupil is told once.
TEST_F(ProfileBrowsingTest, AProfileWhoseDataFileIsAFolderIsLeftOutOfEveryListWithOneMessage) {
    CreateProfile(pc01, "pw", "一郎", "サッカー");
    classroom.Write("prof_html/235959PC09.html", "<p>broken</p>\n");
    std::filesystem::create_directory(classroom.root / "data/prof_edit/235959PC09.dat");
    for (const char* page : {"prof_list.html", "prof_best.html", "prof_editlist.html", "prof_deletelist.html"}) {
        pc02.Open(VirtualPage(page));
        EXPECT_EQ(ListedNames(classroom, "PC02"), std::vector<std::string>{"一郎"}) << page;
    }
    pc02.Open("prof/prof_top.html");
    pc02.Fill(0, "サッカー");
    pc02.Open(VirtualPage("prof_search2.html"));
    EXPECT_EQ(ListedNames(classroom, "PC02"), std::vector<std::string>{"一郎"});
    ASSERT_EQ(pc02.errors.messages.size(), 1u);
    EXPECT_NE(pc02.errors.messages[0].find("235959PC09.dat"), std::string::npos) << pc02.errors.messages[0];
}
