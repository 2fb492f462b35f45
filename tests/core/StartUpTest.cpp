#include "support/Classroom.h"

#include <gtest/gtest.h>

#include <map>

using namespace vq;
using namespace vqtest;

TEST(StartUp, FixesPathsIdentityAndCreatesTheFiveStationFiles) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    ManualClock clock;
    Station station(classroom, "ABCDEFGHIJKLMNOPQ.school.local", clock, "10.0.0.7");
    station.Start();
    const Phone& p = station.phone;
    EXPECT_TRUE(station.errors.messages.empty());
    EXPECT_EQ(p.StationName.substr(0, 11), "ABCDEFGHIJ~"); // before the first ".", shortened to 15 characters
    EXPECT_EQ(p.StationName.size(), 15u);
    EXPECT_EQ(p.StationAddress, "10.0.0.7");
    EXPECT_EQ(p.DataRoot, classroom.DataRoot());
    EXPECT_EQ(p.StartPage, classroom.DataRoot() + "kyouzai/contents/index.html");
    EXPECT_EQ(station.browser.CurrentAddress(), p.StartPage);
    EXPECT_EQ(p.window.WebBrowser1.Left, 30);
    EXPECT_EQ(p.window.WebBrowser1.Top, 55);
    EXPECT_FALSE(p.mailPanel.lblMailSend.Visible);
    EXPECT_TRUE(p.mailPanel.txtNewBody.Text.empty());
    EXPECT_EQ(p.window.Timer1.Interval, 25000);
    EXPECT_TRUE(p.window.Timer1.Enabled);
    EXPECT_FALSE(p.window.Timer2.Enabled);
    EXPECT_EQ(p.profile.ProfileQuestions[30], u"質問30");
    for (const std::string& file : {"log/log_" + p.StationName + ".dat", std::string("bbs/bbsData.dat"),
                                   std::string("sns/snsData.dat"), "mail_log/log_" + p.StationName + ".dat",
                                   "mail_box/log_" + p.StationName + ".dat"})
        EXPECT_EQ(classroom.Read(file), "\r\n") << file;
    EXPECT_NE(p.window.Image1.pictureFile.find("body_picture/smartphone"), std::string::npos);
}

TEST(StartUp, LeavesExistingFilesUntouched) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    classroom.Write("bbs/bbsData.dat", "\nPC02#c#1.1.1.1#c#t#c#n#c#hello\n");
    classroom.Write("log/log_PC01.dat", "\nPC01,a,t,掲示板,\n");
    ManualClock clock;
    Station station(classroom, "PC01", clock);
    station.Start();
    EXPECT_EQ(classroom.Read("bbs/bbsData.dat"), "\r\nPC02#c#1.1.1.1#c#t#c#n#c#hello\r\n");
    EXPECT_EQ(classroom.Read("log/log_PC01.dat"), "\r\nPC01,a,t,掲示板,\r\n");
}

TEST(StartUp, StopsAtAMissingQuestionFile) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    std::filesystem::remove(classroom.root / "data/prof/prof_quest.txt");
    ManualClock clock;
    Station station(classroom, "PC01", clock);
    station.Start();
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_NE(station.errors.messages[0].find("prof_quest.txt"), std::string::npos);
    EXPECT_FALSE(classroom.Exists("log/log_PC01.dat"));
    EXPECT_TRUE(station.phone.window.Image1.pictureFile.empty()); // the designed body stays
    EXPECT_EQ(station.phone.StationName, "PC01");                  // the steps before it are done
}

TEST(StartUp, ShortQuestionFileFillsOnlyItsLinesAndLongOneIsCut) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    classroom.Write("prof/prof_quest.txt", "a\nb\nc\n");
    ManualClock clock;
    Station station(classroom, "PC01", clock);
    station.Start();
    EXPECT_EQ(station.phone.profile.ProfileQuestions[2], u"c");
    EXPECT_EQ(station.phone.profile.ProfileQuestions[3], u"");
    std::string many;
    for (int i = 0; i < 40; ++i) many += "q\n";
    classroom.Write("prof/prof_quest.txt", many);
    Station second(classroom, "PC02", clock);
    second.Start();
    EXPECT_TRUE(second.errors.messages.empty());
    EXPECT_EQ(second.phone.profile.ProfileQuestions.size(), 31u);
}

TEST(StartUp, BodyColoursComeUpAboutEquallyOften) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    std::map<std::string, int> seen;
    for (std::uint32_t seed = 0; seed < 600; ++seed) {
        ManualClock clock;
        FixedSystemInfo system(classroom.root.string(), "PC01", "1.1.1.1");
        FakeBrowser browser;
        RecordingErrorReporter errors;
        Phone phone(PhoneServices{browser, clock, errors, system, nullptr, seed});
        phone.FormCreate();
        ++seen[phone.window.Image1.pictureFile];
    }
    ASSERT_EQ(seen.size(), 6u);
    for (const auto& [file, count] : seen) EXPECT_GT(count, 60) << file;
}
