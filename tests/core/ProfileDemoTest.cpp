#include "support/Classroom.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace vqtest;

// The demo scenario: two stations create, list, rank, search, view, edit and delete on one folder.
TEST(ProfileDemo, TwoStationsShareTheProfileSite) {
    Classroom classroom;
    classroom.UseSampleContent();
    const std::string output = (classroom.root / "vqsim.txt").string();
    const std::string command = "cd '" + classroom.root.string() + "' && '" + VQ_VQSIM + "' '" +
                                (SourceDir() / "tools/demo/profile-demo.vqs").string() + "' > '" + output + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::stringstream printed;
    printed << std::ifstream(output).rdbuf();
    EXPECT_EQ(printed.str().find("] error "), std::string::npos) << printed.str();

    EXPECT_FALSE(classroom.Exists("prof_html/090005PC02.html")); // deleted by its owner
    EXPECT_TRUE(classroom.Exists("prof_edit/090005PC02.dat"));
    const auto sakura = DataLines(classroom, "prof_edit/090000PC01.dat");
    ASSERT_EQ(sakura.size(), 33u);
    EXPECT_EQ(sakura[0], "PC01");
    EXPECT_EQ(sakura[1], "prof/illustration/illustration03.jpg");
    EXPECT_EQ(sakura[6], "ハンバーグ"); // answer slot 4, the favourite food
    // PC02's last page is the list: her profile alone, with its base count, two views by PC02 and
    // the view of the edit link.
    EXPECT_EQ(ListedNames(classroom, "PC02"), std::vector<std::string>{"さくら"});
    EXPECT_EQ(ListedCounts(classroom, "PC02"), std::vector<int>{4});
    EXPECT_NE(classroom.Read("log/log_PC01.dat").find("プロフ,プロフ編集"), std::string::npos);
}
