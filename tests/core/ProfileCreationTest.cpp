#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>

#include <regex>

using namespace vq;
using namespace vqtest;

namespace {

class ProfileCreationTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        WriteProfileTemplates(classroom);
        classroom.Write("prof/illustration/illustration00.jpg", "x");
        classroom.Write("prof/illustration/illustration05.jpg", "x");
        station.Start();
    }
    std::string Shown() const { return classroom.Read("prof/tmpPC01.html"); }
    std::string Picture(const std::string& relative) const {
        return "<img src=\"" + classroom.DataRoot() + relative + "\">";
    }

    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock};
};

} // namespace

TEST_F(ProfileCreationTest, PublishingWritesThePageTheDataAndTheCounterAndLogs) {
    CreateProfile(station, "himitsu", "タロウ", "サッカー");
    ASSERT_TRUE(station.errors.messages.empty()) << station.errors.messages[0];
    const std::string rows = "<tr><td colspan=\"2\" bgcolor=\"#60ff60\"><font color= \"#005000\">■名前</font></td></tr>\r\n"
                             "<tr><td>　</td><td bgcolor=\"#e0ffe0\">タロウ<br></td></tr>"
                             "<tr><td colspan=\"2\" bgcolor=\"#60ff60\"><font color= \"#005000\">■趣味</font></td></tr>\r\n"
                             "<tr><td>　</td><td bgcolor=\"#e0ffe0\">サッカー<br></td></tr>";
    EXPECT_EQ(Shown(), "<p>" + classroom.DataRoot() + "prof/illustration/illustration00.jpg</p><table>" + rows + "</table>\r\n");
    EXPECT_EQ(station.browser.CurrentAddress(), classroom.DataRoot() + "prof/tmpPC01.html");
    EXPECT_EQ(classroom.Read("prof_html/090000PC01.html"),
              Picture("prof/illustration/illustration00.jpg") + "<table border=\"0\">" + rows + "</table>\r\n");
    const auto data = DataLines(classroom, "prof_edit/090000PC01.dat");
    ASSERT_EQ(data.size(), 33u);
    EXPECT_EQ(data[0], "PC01");
    EXPECT_EQ(data[1], "prof/illustration/illustration00.jpg");
    EXPECT_EQ(data[2], "himitsu");
    EXPECT_EQ(data[3], "タロウ");
    EXPECT_EQ(data[4], "サッカー");
    EXPECT_EQ(data[32], "");
    EXPECT_EQ(classroom.Read("prof_counter/090000PC01.dat"), "\r\n");
    EXPECT_EQ(station.phone.profile.ProfileTarget, "090000PC01");
    EXPECT_EQ(DataLines(classroom, "log/log_PC01.dat").back(), "PC01,192.168.0.1,2026/12/07 9:00:00,プロフ,プロフ作成");
    EXPECT_EQ(station.phone.site.GenerationGuard, 0);
}

TEST_F(ProfileCreationTest, AnEmptyNameBecomesNanashiWithThreeDigitsAndAnEmptyAnswerNoRow) {
    CreateProfile(station, "", "", "");
    const std::string name = DataLines(classroom, "prof_edit/090000PC01.dat")[3];
    std::smatch number;
    ASSERT_TRUE(std::regex_match(name, number, std::regex("名無し(\\d{3})"))) << name;
    EXPECT_GE(std::stoi(number[1]), 100);
    EXPECT_LE(std::stoi(number[1]), 998);
    EXPECT_NE(Shown().find(name), std::string::npos);
    EXPECT_EQ(Shown().find("趣味"), std::string::npos); // asked, but not answered
}

TEST_F(ProfileCreationTest, PictureCodesOnTheFormAndThePhotoItStartsWith) {
    station.Open(VirtualPage("prof_write.html"));
    EXPECT_NE(Shown().find(Picture("prof/illustration/illustration00.jpg")), std::string::npos);
    for (const auto& [code, picture] : std::vector<std::pair<std::string, std::string>>{
             {"5", "prof/illustration/illustration05.jpg"}, {"0", "prof/illustration/illustration00.jpg"},
             {"", "prof/illustration/illustration00.jpg"}, {"123", "prof/illustration/illustration00.jpg"}}) {
        station.Fill(0, code);
        station.Open(VirtualPage("prof_new2.html"));
        EXPECT_NE(Shown().find(Picture(picture)), std::string::npos) << code;
    }
    classroom.Write("mail_photo/123.jpg", "x");
    station.Fill(0, "123");
    station.Open(VirtualPage("prof_new2.html"));
    EXPECT_NE(Shown().find(Picture("mail_photo/123.jpg")), std::string::npos);

    // The photo last taken or shown in a mail is where a new form starts, when it exists.
    classroom.Write("mail_photo/PC0190507.jpg", "x");
    station.phone.mail.CurrentPhoto = u"PC0190507.jpg";
    station.Open(VirtualPage("prof_write.html"));
    EXPECT_NE(Shown().find(Picture("mail_photo/PC0190507.jpg")), std::string::npos);
    station.phone.mail.CurrentPhoto = u"PC0199999.jpg";
    station.Open(VirtualPage("prof_write.html"));
    EXPECT_NE(Shown().find(Picture("prof/illustration/illustration00.jpg")), std::string::npos);
}

TEST_F(ProfileCreationTest, ATypedCodeIsNotPublishedUntilItsPictureWasShown) {
    station.Open(VirtualPage("prof_write.html"));
    station.Fill(0, "5");
    station.Fill(2, "ハナコ");
    station.Open(VirtualPage("prof_new3.html"));
    EXPECT_EQ(DataLines(classroom, "prof_edit/090000PC01.dat")[1], "prof/illustration/illustration00.jpg");
}

TEST_F(ProfileCreationTest, ShowingThePictureEmptiesTheAnswers) {
    station.Open(VirtualPage("prof_write.html"));
    station.Fill(0, "5");
    station.Fill(2, "ハナコ");
    station.Open(VirtualPage("prof_new2.html"));
    EXPECT_EQ(station.browser.ReadFormField(2), u"");
    station.Fill(2, "ハナコ");
    station.Open(VirtualPage("prof_new3.html"));
    EXPECT_EQ(DataLines(classroom, "prof_edit/090000PC01.dat")[1], "prof/illustration/illustration05.jpg");
}

TEST_F(ProfileCreationTest, TypedMarkupIsShownAsTextAndStoredAsTyped) {
    CreateProfile(station, "pw", "<b>太郎</b>", "a&b \"c\"");
    const std::string page = classroom.Read("prof_html/090000PC01.html");
    EXPECT_NE(page.find("&lt;b&gt;太郎&lt;/b&gt;"), std::string::npos);
    EXPECT_NE(page.find("a&amp;b &quot;c&quot;"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_EQ(DataLines(classroom, "prof_edit/090000PC01.dat")[3], "<b>太郎</b>");
}

TEST_F(ProfileCreationTest, ALineBreakInAnAnswerCannotShiftTheDataFile) {
    CreateProfile(station, "pw", "太郎\r\n次の行", "サッカー");
    const auto data = DataLines(classroom, "prof_edit/090000PC01.dat");
    ASSERT_EQ(data.size(), 33u);
    EXPECT_EQ(data[3], "太郎次の行");
    EXPECT_EQ(data[4], "サッカー");
}

TEST_F(ProfileCreationTest, TwoPublicationsInOneSecondShareTheirId) {
    CreateProfile(station, "pw", "一回目", "");
    clock.AdvanceMilliseconds(500);
    CreateProfile(station, "pw", "二回目", "");
    EXPECT_EQ(DataLines(classroom, "prof_edit/090000PC01.dat")[3], "二回目");
    clock.AdvanceSeconds(1);
    CreateProfile(station, "pw", "三回目", "");
    EXPECT_TRUE(classroom.Exists("prof_html/090001PC01.html"));
}

TEST_F(ProfileCreationTest, WithoutAPasswordQuestionSlotZeroKeepsWhatItHeld) {
    classroom.Write("prof/prof_quest.txt", "\n名前\n");
    Station other(classroom, "PC02", clock);
    other.Start();
    other.phone.profile.ProfileAnswers[0] = u"前の値";
    other.Open(VirtualPage("prof_write.html"));
    other.Fill(2, "ジロウ");
    other.Open(VirtualPage("prof_new3.html"));
    EXPECT_EQ(DataLines(classroom, "prof_edit/090000PC02.dat")[2], "前の値");
}

// The profile is saved before the pupil is told so.
TEST_F(ProfileCreationTest, AMissingStoredPageTemplateStopsBeforeAnyFileAndTheConfirmation) {
    std::filesystem::remove(classroom.root / "data/prof/prof_data.html");
    CreateProfile(station, "pw", "太郎", "");
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_EQ(Shown().find("太郎"), std::string::npos);
    EXPECT_FALSE(classroom.Exists("prof_html/090000PC01.html"));
    EXPECT_FALSE(classroom.Exists("prof_edit/090000PC01.dat"));
    EXPECT_FALSE(classroom.Exists("prof_counter/090000PC01.dat"));
}

TEST_F(ProfileCreationTest, AFormWithTooFewInputsWritesNothing) {
    station.Open(station.phone.StartPage);
    station.Open(VirtualPage("prof_new3.html"));
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_FALSE(classroom.Exists("prof_edit/090000PC01.dat"));
}
