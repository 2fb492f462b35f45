#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

// Teachers keep classroom folders under Japanese names. The program holds the folder's path as CP932
// like all its text, so the pages that show it (they declare Shift_JIS) name the right files, and the
// files themselves are still found under their UTF-8 names.
TEST(ClassroomFolderName, AJapaneseFolderNameWorksAndShowsRightInPages) {
    Classroom classroom("先生の教室");
    classroom.PrepareForStartUp();
    WriteProfileTemplates(classroom);
    classroom.Write("prof/illustration/illustration00.jpg", "x");
    ManualClock clock;
    Station station{classroom, "PC01", clock};
    station.Start();
    EXPECT_TRUE(classroom.Exists("log/log_PC01.dat"));
    EXPECT_EQ(station.browser.CurrentAddress(), Utf8ToCp932(classroom.DataRoot() + "kyouzai/contents/index.html"));

    CreateProfile(station, "pw", "一郎", "");
    station.Open(VirtualPage("prof_list.html"));
    ASSERT_TRUE(station.errors.messages.empty()) << station.errors.messages[0];
    EXPECT_EQ(ListedNames(classroom, "PC01"), std::vector<std::string>{"一郎"});
    const std::string list = classroom.Read("prof/tmpPC01.html");
    EXPECT_NE(list.find("先生の教室/data/prof/illustration/illustration00.jpg"), std::string::npos);
    EXPECT_NE(list.find("先生の教室/data/prof_html/090000PC01.html"), std::string::npos);

    // Following that link counts a view of the profile, as the page name is found in the address.
    station.Open(classroom.DataRoot() + "prof_html/090000PC01.html");
    station.Open(VirtualPage("prof_list.html"));
    EXPECT_EQ(ListedCounts(classroom, "PC01"), std::vector<int>{2});
}
