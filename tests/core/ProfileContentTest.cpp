#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

// The sample content carries the whole profile flow: the forms hold their elements in the order the
// pages read them, and every template has its markers.
TEST(ProfileContent, TheSampleTemplatesCarryAProfileFromCreationToDeletion) {
    Classroom classroom;
    classroom.UseSampleContent();
    ManualClock clock;
    Station station(classroom, "PC01", clock);
    station.Start();
    const auto shown = [&] { return classroom.Read("prof/tmpPC01.html"); };

    const std::string top = classroom.Read("prof/prof_top.html");
    for (const char* link : {"prof_write.html", "prof_list.html", "prof_best.html", "prof_editlist.html",
                             "prof_deletelist.html", "href=\"send_photo_mail.html\"", "prof_search2.html"})
        EXPECT_NE(top.find(link), std::string::npos) << link;
    EXPECT_NE(classroom.Read("prof/prof_data.html").find("<table border="), std::string::npos);
    for (int n = 0; n <= 9; ++n)
        EXPECT_TRUE(classroom.Exists("prof/illustration/illustration0" + std::to_string(n) + ".jpg"));

    station.Open(VirtualPage("prof_write.html"));
    EXPECT_NE(shown().find(classroom.DataRoot() + "prof/illustration/illustration00.jpg"), std::string::npos);
    station.Fill(0, "3");
    station.Open(VirtualPage("prof_new2.html"));
    EXPECT_NE(shown().find(classroom.DataRoot() + "prof/illustration/illustration03.jpg"), std::string::npos);
    // Picture code, password, 30 answers, then the two buttons.
    EXPECT_EQ(station.browser.ReadFormField(1), u"");
    EXPECT_EQ(station.browser.ReadFormField(31), u"");
    EXPECT_EQ(station.browser.ReadFormField(32), u"この番号の絵にする");
    EXPECT_EQ(station.browser.ReadFormField(33), u"プロフを公開する");
    station.Fill(1, "pw");
    station.Fill(2, "はなこ");
    station.Fill(3, "2年");
    station.Open(VirtualPage("prof_new3.html"));
    const auto data = DataLines(classroom, "prof_edit/090000PC01.dat");
    ASSERT_EQ(data.size(), 33u);
    EXPECT_EQ(data[1], "prof/illustration/illustration03.jpg");
    EXPECT_EQ(data[2], "pw");
    EXPECT_EQ(data[3], "はなこ");
    EXPECT_EQ(data[4], "2年");

    station.Open("prof/prof_top.html");
    station.Fill(0, "2年");
    station.Open(VirtualPage("prof_search2.html"));
    EXPECT_EQ(ListedNames(classroom, "PC01"), std::vector<std::string>{"はなこ"});
    station.Fill(0, "3年"); // the result page searches again
    station.Open(VirtualPage("prof_search2.html"));
    EXPECT_NE(shown().find("「3年」はみつかりませんでした"), std::string::npos);

    station.Open(VirtualPage("prof_editlist.html"));
    station.Open(classroom.DataRoot() + "prof_html/090000PC01prof_password.html");
    station.Fill(0, "pw");
    station.Open(classroom.DataRoot() + "prof/prof_edit2.html");
    EXPECT_EQ(station.browser.ReadFormField(0), u"3");
    station.Fill(0, "5");
    station.Open(VirtualPage("prof_edit4.html"));
    EXPECT_EQ(station.browser.ReadFormField(1), u"pw");
    EXPECT_EQ(station.browser.ReadFormField(2), u"はなこ");
    EXPECT_EQ(station.browser.ReadFormField(32), u"保存する");
    station.Fill(3, "3年");
    station.Open(VirtualPage("prof_edit5.html"));
    EXPECT_EQ(DataLines(classroom, "prof_edit/090000PC01.dat")[1], "prof/illustration/illustration05.jpg");
    EXPECT_EQ(DataLines(classroom, "prof_edit/090000PC01.dat")[4], "3年");

    station.Open(VirtualPage("prof_deletelist.html"));
    station.Open(classroom.DataRoot() + "prof_html/090000PC01prof_delete_password.html");
    station.Fill(0, "pw");
    station.Open(classroom.DataRoot() + "prof/prof_delete2.html");
    EXPECT_EQ(station.browser.CurrentAddress(), classroom.DataRoot() + "prof/prof_delete3.html");
    EXPECT_FALSE(classroom.Exists("prof_html/090000PC01.html"));
    EXPECT_TRUE(station.errors.messages.empty()) << station.errors.messages[0];
}

// Without a password anyone may edit or delete a profile: the creation page asks for one and says so.
// Choosing another picture first must not be stopped by the empty password.
TEST(ProfileContent, TheCreationPageAsksForAPasswordAndSaysWhy) {
    Classroom classroom;
    classroom.UseSampleContent();
    const std::string page = classroom.Read("prof/prof_new2.html");
    EXPECT_NE(page.find("<input type=\"text\" name=\"Password\" size=\"20\" required"), std::string::npos) << page;
    EXPECT_NE(page.find("formnovalidate formaction=\"http://velquin.invalid/prof_new2.html\""), std::string::npos);
    EXPECT_NE(page.find("だれでも"), std::string::npos);
}
