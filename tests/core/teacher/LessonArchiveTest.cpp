// Saving a lesson: everything moves into archive/ byte for byte, data/ is left as start-up leaves it,
// and nothing is removed when anything goes wrong or a phone still runs.

#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/StationLock.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "teacher/ClassWatcher.h"
#include "teacher/LessonArchive.h"
#include "teacher/TeacherCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vq;
using namespace vqtest;
namespace fs = std::filesystem;

namespace {

const LocalDateTime kNine{2026, 12, 7, 9, 50, 12};

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class LessonArchiveTest : public ::testing::Test {
protected:
    LessonArchiveTest() {
        classroom_.Write("log/log_PC01.dat", "\nPC01,a,t,メール送信,\n");
        classroom_.Write("log/log_PC02.dat", "\n");
        classroom_.Write("mail_box/log_PC01.dat", "\n");
        classroom_.Write("mail_box/log_PC02.dat", "\nPC01#c#a#c#t#c#PC02#c#件名#c#まだ読んでいない\n");
        classroom_.Write("mail_log/log_PC01.dat", "\nPC01#c#a#c#t#c#PC02#c#件名#c#まだ読んでいない\n");
        classroom_.Write("bbs/bbsData.dat", "\nPC01#c#a#c#t#c#たろう#c#やあ\n");
        classroom_.Write("bbs/bbs.html", "<!--velquinLAN-->\n");
        classroom_.Write("bbs/tmpPC01bbs.html", "result\n");
        classroom_.Write("sns/snsData.dat", "\n");
        classroom_.Write("prof_html/090000PC01.html", "profile\n");
        classroom_.Write("prof_counter/090000PC01.dat", "\n");
        classroom_.Write("s_beginner/tmpData3PC01.dat", "PC01#c#a#c#t#c##c#おはよう\n");
        classroom_.Write("spam_Mail/spam_Mail.txt", "件名#c#本文\n");
        std::ofstream(classroom_.root / "data/mail_photo/PC0190000.jpg", std::ios::binary) << std::string("\xFF\xD8\0\x01", 4);
    }
    ClassroomFolder Folder() const { return ClassroomFolder::Open(FromNativeName(classroom_.root.string())); }
    fs::path Data() const { return classroom_.root / "data"; }
    fs::path Saved() const { return classroom_.root / "archive" / "2026-12-07_0950" / "data"; }

    Classroom classroom_;
};

} // namespace

TEST_F(LessonArchiveTest, MovesTheLessonByteForByteAndLeavesFreshFiles) {
    const std::string photo = Bytes(Data() / "mail_photo/PC0190000.jpg");
    const std::string inbox = Bytes(Data() / "mail_box/log_PC02.dat");
    const ArchiveOutcome outcome = ArchiveLesson(Folder(), kNine);
    EXPECT_EQ(outcome.folder, FromNativeName((classroom_.root / "archive/2026-12-07_0950").string()));
    EXPECT_TRUE(outcome.notes.empty());

    EXPECT_EQ(Bytes(Saved() / "mail_photo/PC0190000.jpg"), photo);
    EXPECT_EQ(Bytes(Saved() / "mail_box/log_PC02.dat"), inbox);
    for (const char* saved : {"log/log_PC01.dat", "mail_log/log_PC01.dat", "bbs/bbsData.dat", "bbs/tmpPC01bbs.html",
                              "prof_html/090000PC01.html", "prof_counter/090000PC01.dat", "s_beginner/tmpData3PC01.dat",
                              "spam_Mail/spam_Mail.txt"})
        EXPECT_TRUE(fs::exists(Saved() / saved)) << saved;
    EXPECT_FALSE(fs::exists(Saved() / "bbs/bbs.html")); // teaching content stays where it is

    // What start-up creates is there again, empty; every station can still be mailed.
    for (const char* fresh : {"log/log_PC01.dat", "log/log_PC02.dat", "mail_box/log_PC01.dat", "mail_box/log_PC02.dat",
                              "mail_log/log_PC01.dat", "bbs/bbsData.dat", "sns/snsData.dat"})
        EXPECT_EQ(Bytes(Data() / fresh), "\r\n") << fresh;
    for (const char* gone : {"bbs/tmpPC01bbs.html", "prof_html/090000PC01.html", "prof_counter/090000PC01.dat",
                             "mail_photo/PC0190000.jpg", "s_beginner/tmpData3PC01.dat"})
        EXPECT_FALSE(fs::exists(Data() / gone)) << gone;
    EXPECT_TRUE(fs::exists(Data() / "bbs/bbs.html"));
    EXPECT_TRUE(fs::exists(Data() / "spam_Mail/spam_Mail.txt"));

    // The next class starts at 0 yen; the saved lesson still reports its bill.
    ClassWatcher now(Folder(), AppendedLines::Tail::TakeAsIs);
    for (const StationSummary& s : now.Refresh().stations) EXPECT_EQ(s.bill.total, 0) << s.station;
    ClassWatcher saved(ClassroomFolder::Open(outcome.folder), AppendedLines::Tail::TakeAsIs);
    EXPECT_EQ(saved.Refresh().stations.at(0).bill.total, 1);
    EXPECT_EQ(PastLessons(Folder()), std::vector<std::string>{"2026-12-07_0950"});
}

TEST_F(LessonArchiveTest, ASecondLessonInTheSameMinuteGetsAFolderOfItsOwn) {
    ArchiveLesson(Folder(), kNine);
    classroom_.Write("log/log_PC01.dat", "\nPC01,a,t,掲示板,\n");
    const ArchiveOutcome second = ArchiveLesson(Folder(), kNine);
    EXPECT_TRUE(second.folder.ends_with("/archive/2026-12-07_0950_2"));
    EXPECT_EQ(PastLessons(Folder()), (std::vector<std::string>{"2026-12-07_0950_2", "2026-12-07_0950"}));
    // Now there is nothing left to save.
    EXPECT_THROW(ArchiveLesson(Folder(), kNine), PlatformError);
}

TEST_F(LessonArchiveTest, IsRefusedWhileAPhoneRunsAndSaysWhich) {
    StationLock running = StationLock::TryTake(classroom_.DataRoot() + "mail_box/log_PC02.dat");
    ASSERT_EQ(running.state(), StationLock::State::Held);
    try {
        ArchiveLesson(Folder(), kNine);
        FAIL() << "archived while PC02 runs";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find("起動中の端末があるため、授業を片付けられません: PC02\n"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists(classroom_.root / "archive"));
    EXPECT_EQ(classroom_.Read("log/log_PC01.dat"), "\r\nPC01,a,t,メール送信,\r\n");
}

TEST_F(LessonArchiveTest, AFileThatCannotBeReadStopsItBeforeAnythingIsRemoved) {
    // A file the console may list but not read (root reads every ordinary file, so a file whose
    // reading fails for everyone stands in for one locked or owned by someone else).
    fs::create_symlink("/proc/self/mem", Data() / "prof_html/broken.html");
    const auto before = Bytes(Data() / "log/log_PC01.dat");
    try {
        ArchiveLesson(Folder(), kNine);
        FAIL() << "archived although a file could not be read";
    } catch (const PlatformError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("data フォルダのファイルは何も消していません"), std::string::npos) << message;
        EXPECT_NE(message.find("prof_html/broken.html"), std::string::npos) << message;
    }
    EXPECT_EQ(Bytes(Data() / "log/log_PC01.dat"), before);
    EXPECT_TRUE(fs::exists(Data() / "prof_html/090000PC01.html"));
    EXPECT_TRUE(fs::exists(Data() / "mail_photo/PC0190000.jpg"));
    EXPECT_FALSE(fs::exists(Saved())); // the half-made archive is not left to look like a lesson
}

TEST_F(LessonArchiveTest, TheCommandLineArchivesAndReportsTheSavedLesson) {
    ManualClock clock(kNine);
    std::ostringstream out, err;
    const TeacherEnvironment env{FromNativeName(classroom_.root.string()), "", clock, ""};
    ASSERT_EQ(RunTeacherCommand({TeacherCommand::Kind::Archive, false, ""}, env, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("授業を保存しました（"), std::string::npos);
    std::ostringstream report;
    ASSERT_EQ(RunTeacherCommand({TeacherCommand::Kind::Report, false, (classroom_.root / "archive/2026-12-07_0950").string()},
                                env, report, err),
              0);
    EXPECT_NE(report.str().find("\nPC01\t1\t"), std::string::npos) << report.str();
    std::ostringstream failed;
    EXPECT_EQ(RunTeacherCommand({TeacherCommand::Kind::Archive, false, ""}, env, out, failed), 1);
    EXPECT_TRUE(failed.str().starts_with("velquinlan-teacher: この教室フォルダには、まだ保存する授業の記録がありません。"));
}
