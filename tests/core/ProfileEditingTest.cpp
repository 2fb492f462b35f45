#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vq;
using namespace vqtest;

namespace {

constexpr const char* kWrongPassword = "　パスワードが異なります<br>↓再入力してください<br>";

class ProfileEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        WriteProfileTemplates(classroom);
        classroom.Write("prof/illustration/illustration00.jpg", "x");
        classroom.Write("prof/illustration/illustration07.jpg", "x");
        pc01.Start();
        pc02.Start();
        CreateProfile(pc01, "Himitsu", "一郎", "サッカー");
        clock.AdvanceSeconds(60);
    }
    std::string Shown(const std::string& station = "PC02") const { return classroom.Read("prof/tmp" + station + ".html"); }
    std::string Link(const std::string& tail) const { return classroom.DataRoot() + "prof_html/090000PC01" + tail; }
    // Follows the edit link of 一郎's profile and types the password.
    void EnterPassword(Station& s, const std::string& password, const std::string& next = "prof_edit2.html") {
        s.Open(Link(next == "prof_edit2.html" ? "prof_password.html" : "prof_delete_password.html"));
        s.Fill(0, password);
        s.Open(classroom.DataRoot() + "prof/" + next);
    }
    // Moves a stored page's last write into the past, so the order by stamp does not hang on timing.
    void Age(const std::string& id, std::chrono::minutes by = std::chrono::minutes(5)) {
        std::filesystem::last_write_time(classroom.root / "data/prof_html" / (id + ".html"),
                                         std::filesystem::file_time_type::clock::now() - by);
    }

    Classroom classroom;
    ManualClock clock;
    Station pc01{classroom, "PC01", clock};
    Station pc02{classroom, "PC02", clock};
};

} // namespace

TEST_F(ProfileEditingTest, ListsCarryEditAndDeleteLinksAndShowNothingWithoutProfiles) {
    pc02.Open(VirtualPage("prof_editlist.html"));
    EXPECT_NE(Shown().find("<a href=\"" + Link("prof_password.html\"><b>再編集</b></a>")), std::string::npos);
    pc02.Open(VirtualPage("prof_deletelist.html"));
    EXPECT_NE(Shown().find("<a href=\"" + Link("prof_delete_password.html\"><b>削除</b></a>")), std::string::npos);
    std::filesystem::remove(classroom.root / "data/prof_html/090000PC01.html");
    pc02.Open(VirtualPage("prof_editlist.html"));
    EXPECT_EQ(Shown(), "<table></table>\r\n");
    pc02.Open(VirtualPage("prof_deletelist.html"));
    EXPECT_EQ(Shown(), "<table class=\"delete\"></table>\r\n");
}

TEST_F(ProfileEditingTest, ThePasswordPageIsTheStoredPageWithAFormInFrontOfItsTable) {
    pc02.Open(Link("prof_password.html"));
    const std::string stored = classroom.Read("prof_html/090000PC01.html");
    const std::string form = "<form method=\"post\" action=\"prof_edit2.html\">　↓パスワード<br>"
                             "<input type=\"text\" name=\"myPassword\"><br>"
                             "<input name=\"submit\" type=\"submit\" value=\" 編集する \"></form>";
    // Read like a template: the page's own line ends are dropped.
    EXPECT_EQ(Shown(), ReplaceAll(ReplaceAll(stored, "\r\n", ""), "<table border=", form + "<table border=") + "\r\n");
    EXPECT_EQ(pc02.phone.profile.ProfileTarget, classroom.DataRoot() + "prof_html/090000PC01.html");
    EXPECT_EQ(pc02.browser.ReadFormField(0), u""); // the password input is element 0
    pc02.Open(Link("prof_delete_password.html"));
    EXPECT_NE(Shown().find("<form method=\"post\" action=\"prof_delete2.html\">　↓パスワード<br>"), std::string::npos);
    EXPECT_NE(Shown().find("value=\" 削除する \"></form><table border="), std::string::npos);
}

TEST_F(ProfileEditingTest, APasswordDifferingInCaseIsRefusedAsOftenAsTried) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        EnterPassword(pc02, "himitsu");
        EXPECT_NE(Shown().find(std::string("action=\"prof_edit2.html\">") + kWrongPassword), std::string::npos);
        EXPECT_EQ(pc02.phone.profile.ProfileTarget, classroom.DataRoot() + "prof_html/090000PC01.html");
    }
    pc02.Fill(0, "Himitsu");
    pc02.Open(classroom.DataRoot() + "prof/prof_edit2.html");
    EXPECT_EQ(Shown(), "<img src=\"" + classroom.DataRoot() +
                           "prof/illustration/illustration00.jpg\"><form><input type=\"text\" name=\"PhotoPassword\" "
                           "value=\"0\"></form>\r\n");
}

// A wave dash as typed on other systems is stored as CP932's own; an emoji cannot be stored and becomes
// "?". Either way the pupil types the same password again and gets in.
TEST_F(ProfileEditingTest, APasswordWithCharactersTheDataFileCannotHoldStillOpens) {
    CreateProfile(pc02, "ほし\u301Cぞら\U0001F600", "二郎", "");
    EXPECT_EQ(DataLines(classroom, "prof_edit/090100PC02.dat").at(2), "ほし\uFF5Eぞら?");
    pc02.Open(classroom.DataRoot() + "prof_html/090100PC02prof_password.html");
    pc02.Fill(0, "ほし\u301Cぞら\U0001F600");
    pc02.Open(classroom.DataRoot() + "prof/prof_edit2.html");
    EXPECT_EQ(Shown().find("パスワードが異なります"), std::string::npos);
    EXPECT_NE(Shown().find("name=\"PhotoPassword\""), std::string::npos);
}

TEST_F(ProfileEditingTest, SavingAnEditKeepsIdAndCountMovesToTheTopAndNamesTheEditor) {
    CreateProfile(pc02, "pw", "二郎", "");
    Age("090000PC01");
    Age("090100PC02", std::chrono::minutes(2)); // newer than PC01's page until that is edited
    pc01.Open(classroom.DataRoot() + "prof_html/090000PC01.html"); // a view: count 2
    clock.AdvanceSeconds(60);

    EnterPassword(pc02, "Himitsu"); // the edit link is a view too: count 3
    pc02.Fill(0, "7");
    pc02.Open(VirtualPage("prof_edit4.html"));
    EXPECT_EQ(pc02.browser.ReadFormField(1), u"Himitsu");
    EXPECT_EQ(pc02.browser.ReadFormField(2), u"一郎");
    EXPECT_EQ(pc02.browser.ReadFormField(3), u"サッカー");
    pc02.Fill(3, "野球");
    pc02.Open(VirtualPage("prof_edit5.html"));
    ASSERT_TRUE(pc02.errors.messages.empty()) << pc02.errors.messages[0];

    const auto data = DataLines(classroom, "prof_edit/090000PC01.dat");
    ASSERT_EQ(data.size(), 33u);
    EXPECT_EQ(data[0], "PC02");
    EXPECT_EQ(data[1], "prof/illustration/illustration07.jpg");
    EXPECT_EQ(data[2], "Himitsu");
    EXPECT_EQ(data[4], "野球");
    EXPECT_NE(classroom.Read("prof_html/090000PC01.html").find("野球"), std::string::npos);
    EXPECT_NE(Shown().find("野球"), std::string::npos);
    EXPECT_EQ(pc02.phone.profile.ProfileTarget, "090000PC01");
    EXPECT_EQ(DataLines(classroom, "log/log_PC02.dat").back(), "PC02,192.168.0.1,2026/12/07 9:02:00,プロフ,プロフ編集");

    pc01.Open(VirtualPage("prof_list.html"));
    EXPECT_EQ(ListedNames(classroom, "PC01"), (std::vector<std::string>{"一郎", "二郎"}));
    EXPECT_EQ(ListedCounts(classroom, "PC01"), (std::vector<int>{3, 1}));
}

TEST_F(ProfileEditingTest, TheEditFormShowsAnswersAsValuesThatComeBackUnchanged) {
    CreateProfile(pc02, "a\"b", "<i>二郎</i>", "x & \"y\"");
    pc02.Open(classroom.DataRoot() + "prof_html/090100PC02prof_password.html");
    pc02.Fill(0, "a\"b");
    pc02.Open(classroom.DataRoot() + "prof/prof_edit2.html");
    pc02.Open(VirtualPage("prof_edit4.html"));
    EXPECT_NE(Shown().find("value=\"a&quot;b\""), std::string::npos);
    EXPECT_NE(Shown().find("value=\"&lt;i&gt;二郎&lt;/i&gt;\""), std::string::npos);
    pc02.Open(VirtualPage("prof_edit5.html"));
    const auto data = DataLines(classroom, "prof_edit/090100PC02.dat");
    EXPECT_EQ(data[2], "a\"b");
    EXPECT_EQ(data[3], "<i>二郎</i>");
    EXPECT_EQ(data[4], "x & \"y\"");
}

TEST_F(ProfileEditingTest, AnEmptyPasswordOpensAProfileCreatedWithout) {
    CreateProfile(pc02, "", "二郎", "");
    pc02.Open(classroom.DataRoot() + "prof_html/090100PC02prof_delete_password.html");
    pc02.Open(classroom.DataRoot() + "prof/prof_delete2.html");
    EXPECT_EQ(pc02.browser.CurrentAddress(), classroom.DataRoot() + "prof/prof_delete3.html");
    EXPECT_FALSE(classroom.Exists("prof_html/090100PC02.html"));
}

TEST_F(ProfileEditingTest, DeletingRemovesOnlyTheStoredPage) {
    pc01.Open(classroom.DataRoot() + "prof_html/090000PC01.html");
    EnterPassword(pc02, "wrong", "prof_delete2.html");
    EXPECT_NE(Shown().find(std::string("action=\"prof_delete2.html\">") + kWrongPassword), std::string::npos);
    EXPECT_TRUE(classroom.Exists("prof_html/090000PC01.html"));

    pc02.Fill(0, "Himitsu");
    pc02.Open(classroom.DataRoot() + "prof/prof_delete2.html");
    EXPECT_EQ(pc02.browser.CurrentAddress(), classroom.DataRoot() + "prof/prof_delete3.html");
    EXPECT_FALSE(classroom.Exists("prof_html/090000PC01.html"));
    EXPECT_TRUE(classroom.Exists("prof_edit/090000PC01.dat"));
    EXPECT_TRUE(classroom.Exists("prof_counter/090000PC01.dat"));
    EXPECT_TRUE(classroom.Exists("prof_counter/090000PC01090100PC01.dat"));
    for (const char* page : {"prof_list.html", "prof_best.html", "prof_editlist.html", "prof_deletelist.html"}) {
        pc01.Open(VirtualPage(page));
        EXPECT_EQ(ListedNames(classroom, "PC01"), std::vector<std::string>{}) << page;
    }
    pc01.Open("prof/prof_top.html");
    pc01.Fill(0, "サッカー");
    pc01.Open(VirtualPage("prof_search2.html"));
    EXPECT_NE(Shown("PC01").find("はみつかりませんでした"), std::string::npos);
}

TEST_F(ProfileEditingTest, AShortDataFileLeavesNoAnswerOfAnotherProfileBehind) {
    EnterPassword(pc02, "Himitsu");
    classroom.Write("prof_edit/090000PC01.dat", "PC01\nprof/illustration/illustration00.jpg\nHimitsu\n一郎\n");
    EnterPassword(pc02, "Himitsu");
    EXPECT_EQ(pc02.phone.profile.ProfileAnswers[2], u"");
}

TEST_F(ProfileEditingTest, SavingWithoutAChosenProfileWritesNothing) {
    Station pc03(classroom, "PC03", clock);
    pc03.Start();
    pc03.Open(VirtualPage("prof_write.html"));
    pc03.Open(VirtualPage("prof_edit5.html"));
    ASSERT_EQ(pc03.errors.messages.size(), 1u);
    EXPECT_FALSE(classroom.Exists("prof_html/.html"));
    EXPECT_FALSE(classroom.Exists("prof_edit/.dat"));
}

// The data folder's path holds "html" (this test's name is part of it): the profile's files are
// still found from its ProfileId.
TEST_F(ProfileEditingTest, EditAndDeleteWorkInAFolderNamed_html) {
    ASSERT_NE(classroom.DataRoot().find("html"), std::string::npos);
    EnterPassword(pc02, "Himitsu");

    pc02.Open(VirtualPage("prof_edit4.html"));
    pc02.Fill(3, "野球");
    pc02.Open(VirtualPage("prof_edit5.html"));
    EXPECT_TRUE(pc02.errors.messages.empty()) << pc02.errors.messages[0];
    EXPECT_EQ(DataLines(classroom, "prof_edit/090000PC01.dat")[4], "野球");
    EnterPassword(pc02, "Himitsu", "prof_delete2.html");
    EXPECT_FALSE(classroom.Exists("prof_html/090000PC01.html"));
    EXPECT_TRUE(pc02.errors.messages.empty());
}

// A pupil who does not know a classmate's password goes past the password page straight to the pages
// that follow it (a mail link to the picture page leads there): nothing is saved, and the password
// page comes back.
TEST_F(ProfileEditingTest, TheEditPagesActOnlyAfterTheRightPasswordForThatProfile) {
    const std::string data = classroom.Read("prof_edit/090000PC01.dat");
    const std::string page = classroom.Read("prof_html/090000PC01.html");
    pc02.Open(Link("prof_password.html"));
    pc02.Fill(0, "7"); // a picture code, as the picture page's form sends it
    pc02.Open(VirtualPage("prof_edit4.html"));
    EXPECT_NE(Shown().find("name=\"myPassword\""), std::string::npos);
    EXPECT_EQ(Shown().find("name=\"Password\""), std::string::npos);
    pc02.Open(VirtualPage("prof_edit5.html"));
    EXPECT_NE(Shown().find("name=\"myPassword\""), std::string::npos);
    EXPECT_EQ(classroom.Read("prof_edit/090000PC01.dat"), data);
    EXPECT_EQ(classroom.Read("prof_html/090000PC01.html"), page);
    EXPECT_TRUE(pc02.errors.messages.empty()) << pc02.errors.messages[0];
}

// The right password for one's own profile opens that profile only: a later password page of a
// classmate's profile, a wrong password and a finished save each forget it.
TEST_F(ProfileEditingTest, APassedCheckIsForgottenByAnotherPasswordPageAWrongPasswordAndASave) {
    CreateProfile(pc02, "pw", "二郎", "");
    const std::string own = classroom.DataRoot() + "prof_html/090100PC02";
    const std::string data = classroom.Read("prof_edit/090000PC01.dat");
    const auto savedEdits = [&] {
        const auto lines = DataLines(classroom, "log/log_PC02.dat");
        return std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.ends_with("プロフ編集"); });
    };

    pc02.Open(own + "prof_password.html");
    pc02.Fill(0, "pw");
    pc02.Open(classroom.DataRoot() + "prof/prof_edit2.html");
    pc02.Open(Link("prof_password.html")); // the classmate's, with the own profile's check passed
    pc02.Open(VirtualPage("prof_edit4.html"));
    pc02.Open(VirtualPage("prof_edit5.html"));
    EXPECT_EQ(classroom.Read("prof_edit/090000PC01.dat"), data);

    pc02.Open(own + "prof_password.html");
    pc02.Fill(0, "pw");
    pc02.Open(classroom.DataRoot() + "prof/prof_edit2.html");
    pc02.Open(classroom.DataRoot() + "prof/prof_edit2.html"); // again, from the picture page: wrong
    pc02.Open(VirtualPage("prof_edit4.html"));
    EXPECT_NE(Shown().find("name=\"myPassword\""), std::string::npos);

    pc02.Open(own + "prof_password.html");
    pc02.Fill(0, "pw");
    pc02.Open(classroom.DataRoot() + "prof/prof_edit2.html");
    pc02.Open(VirtualPage("prof_edit4.html"));
    pc02.Open(VirtualPage("prof_edit5.html"));
    EXPECT_EQ(savedEdits(), 1);
    pc02.Open(VirtualPage("prof_edit5.html")); // the same form sent once more
    EXPECT_EQ(savedEdits(), 1);
    EXPECT_TRUE(pc02.errors.messages.empty()) << pc02.errors.messages[0];
}
