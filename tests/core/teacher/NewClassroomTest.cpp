// A new classroom folder gets the teaching content and empty shared files, never a lesson's files.

#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "support/Classroom.h"
#include "teacher/NewClassroom.h"
#include "teacher/TeacherCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace vq;
using namespace vqtest;
namespace fs = std::filesystem;

TEST(NewClassroom, GetsTheContentButNoLessonAndPhonesStartInIt) {
    Classroom bundled;
    bundled.PrepareForStartUp();
    bundled.Write("bbs/bbs.html", "<!--velquinLAN-->\n");
    fs::create_directories(bundled.root / "data/kyouzai/contents/study");
    bundled.Write("kyouzai/contents/study/koumin.html", "<html></html>\n");
    // Someone tried the phones on the bundled folder.
    bundled.Write("log/log_PC01.dat", "\nPC01,a,t,掲示板,\n");
    bundled.Write("bbs/bbsData.dat", "\nPC01#c#a#c#t#c#たろう#c#やあ\n");
    bundled.Write("bbs/tmpPC01bbs.html", "result\n");
    bundled.Write("prof_html/090000PC01.html", "profile\n");

    Classroom share("教室の共有");
    const fs::path target = share.root / "3年1組";
    CreateClassroom(FromNativeName(target.string()), FromNativeName((bundled.root / "data").string()));
    for (const char* present : {"kyouzai/contents/index.html", "kyouzai/contents/study/koumin.html", "bbs/bbs.html",
                                "prof/prof_quest.txt", "body_picture/smartphoneK.bmp"})
        EXPECT_TRUE(fs::exists(target / "data" / present)) << present;
    for (const char* absent : {"log/log_PC01.dat", "bbs/tmpPC01bbs.html", "prof_html/090000PC01.html"})
        EXPECT_FALSE(fs::exists(target / "data" / absent)) << absent;
    EXPECT_EQ(fs::file_size(target / "data/bbs/bbsData.dat"), 2u);
    EXPECT_EQ(fs::file_size(target / "data/sns/snsData.dat"), 2u);
    EXPECT_TRUE(fs::is_directory(target / "data/mail_photo"));
    EXPECT_FALSE(fs::exists(target / "data.new"));

    ManualClock clock;
    vq::FixedSystemInfo system(FromNativeName(target.string()), "PC07", "10.0.0.7");
    vq::FakeBrowser browser;
    vq::RecordingErrorReporter errors;
    vq::Phone phone(vq::PhoneServices{browser, clock, errors, system, nullptr, 1});
    phone.FormCreate();
    EXPECT_TRUE(errors.messages.empty()) << errors.messages.front();
    EXPECT_TRUE(fs::exists(target / "data/mail_box/log_PC07.dat"));
}

TEST(NewClassroom, RefusesAFolderThatHoldsAClassAlready) {
    Classroom existing;
    Classroom bundled;
    try {
        CreateClassroom(FromNativeName(existing.root.string()), FromNativeName((bundled.root / "data").string()));
        FAIL() << "made a classroom over an existing one";
    } catch (const PlatformError& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("このフォルダにはすでに data フォルダがあります")) << e.what();
    }
}

TEST(TeacherCommandLine, ParsesWhatTheProgramTakesAndRefusesTheRest) {
    std::string error;
    const auto report = ParseTeacherCommand({"--report", "--csv", "archive/2026-12-07_0950"}, error);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->kind, TeacherCommand::Kind::Report);
    EXPECT_TRUE(report->csv);
    EXPECT_EQ(report->folder, "archive/2026-12-07_0950");
    const auto window = ParseTeacherCommand({"/srv/教室"}, error);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->kind, TeacherCommand::Kind::Window);
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--csv"}, {"--new-classroom"},
                                                  {"--archive", "--report"}, {"a", "b"}, {"--colour"}}) {
        EXPECT_FALSE(ParseTeacherCommand(wrong, error)) << wrong.front();
        EXPECT_FALSE(error.empty());
    }
}

TEST(TeacherCommandLine, AFolderWithoutAClassIsAClearFailure) {
    Classroom empty;
    std::filesystem::remove_all(empty.root / "data");
    ManualClock clock;
    std::ostringstream out, err;
    const TeacherEnvironment env{FromNativeName(empty.root.string()), "", clock, "1.0.0"};
    EXPECT_EQ(RunTeacherCommand({TeacherCommand::Kind::Report, false, ""}, env, out, err), 1);
    EXPECT_NE(err.str().find("このフォルダには data フォルダがありません"), std::string::npos) << err.str();
    EXPECT_EQ(RunTeacherCommand({TeacherCommand::Kind::NewClassroom, false, (empty.root / "new").string()}, env, out, err), 1);
    EXPECT_NE(err.str().find("教材が見つかりません"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(empty.root / "new" / "data"));
    std::ostringstream version;
    EXPECT_EQ(RunTeacherCommand({TeacherCommand::Kind::Version, false, ""}, env, version, err), 0);
    EXPECT_EQ(version.str(), "velquinlan-teacher 1.0.0\n");
}
