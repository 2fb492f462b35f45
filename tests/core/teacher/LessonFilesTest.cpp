// Which files belong to a lesson: a file put in the wrong class is either lost with the lesson or
// left behind for the next class to see.

#include "teacher/LessonFiles.h"

#include <gtest/gtest.h>

using namespace vq;

namespace {

struct Case {
    const char* folder;
    const char* name;
    LessonRole role;
};

} // namespace

TEST(LessonFiles, EveryPlaceOfTheDataFolderHasItsRole) {
    const Case cases[] = {
        {"log", "log_PC01.dat", LessonRole::Emptied},
        {"log", "LOG_PC02.DAT", LessonRole::Emptied}, // written on Windows
        {"log", "notes.txt", LessonRole::Moved},      // whatever else lies there is the lesson's too
        {"mail_box", "log_PC01.dat", LessonRole::Emptied},
        {"mail_box", "PC01.alive", LessonRole::RunningSign}, // a running phone's heartbeat
        {"mail_log", "log_PC01.dat", LessonRole::Emptied},
        {"bbs", "bbsData.dat", LessonRole::Emptied},
        {"sns", "snsData.dat", LessonRole::Emptied},
        {"bbs", "bbsHidden.dat", LessonRole::Moved},
        {"bbs", "tmpPC01bbs.html", LessonRole::Moved},
        {"bbs", "bbs.html", LessonRole::TeachingContent},
        {"prof", "tmpPC01.html", LessonRole::Moved},
        {"prof", "prof_index.log", LessonRole::Moved}, // what the stations know of the lesson's profiles
        {"prof", "prof_quest.txt", LessonRole::TeachingContent},
        {"prof/illustration", "illustration00.jpg", LessonRole::TeachingContent},
        {"prof_html", "090507PC01.html", LessonRole::Moved},
        {"prof_counter", "090507PC01091000PC02.dat", LessonRole::Moved},
        {"mail_photo", "PC0190200.jpg", LessonRole::Moved},
        {"tmp_photo", "PC01.jpg", LessonRole::Moved},
        {"s_beginner", "tmpData3PC01.dat", LessonRole::Moved},
        {"s_beginner", "s_begin31.html", LessonRole::TeachingContent},
        {"price", "tmpPC01price.html", LessonRole::Moved},
        {"price", "price.html", LessonRole::TeachingContent},
        {"risk", "tmpPC01risk.html", LessonRole::Moved},
        {"fortune", "message.txt", LessonRole::TeachingContent},
        {"spam_Mail", "spam_Mail.txt", LessonRole::CopiedAlong},
        {"kyouzai/contents", "index.html", LessonRole::TeachingContent},
        {"kyouzai/contents/study", "tmp.html", LessonRole::TeachingContent}, // only result-page folders hold "tmp" pages
        {"body_picture", "smartphoneK.bmp", LessonRole::TeachingContent},
    };
    for (const Case& c : cases) EXPECT_EQ(RoleOf(c.folder, c.name), c.role) << c.folder << "/" << c.name;
}
