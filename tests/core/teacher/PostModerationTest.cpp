// Hiding a post and putting it back: the phones stop showing it, it returns to its place, and posts
// the phones make meanwhile are never lost.

#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/SitePupil.h"
#include "teacher/PostModeration.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace vq;
using namespace vqtest;

namespace {

class PostModerationTest : public ::testing::Test {
protected:
    PostModerationTest() : folder_(FromNativeName(classroom_.root.string())) {
        classroom_.Write("bbs/bbsData.dat", "\nPC01#c#a#c#t1#c#たろう#c#一番目\nPC02#c#a#c#t2#c#はなこ#c#二番目\n"
                                            "PC03#c#a#c#t3#c#じろう#c#三番目\n");
    }
    std::vector<std::string> Texts(bool withHidden = true) {
        std::vector<std::string> texts;
        for (const ClassPost& p : ListPosts(folder_, PostFile::Board))
            if (withHidden || !p.hidden) texts.push_back((p.hidden ? "(" : "") + WideToUtf8(p.text) + (p.hidden ? ")" : ""));
        return texts;
    }
    ClassPost Post(std::size_t position) { return ListPosts(folder_, PostFile::Board).at(position); }

    Classroom classroom_;
    ClassroomFolder folder_;
};

} // namespace

TEST_F(PostModerationTest, HiddenPostsReturnToTheirPlaces) {
    HidePost(folder_, PostFile::Board, Post(1));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"一番目", "(二番目)", "三番目"}));
    EXPECT_EQ(Post(2).number, 2); // the phones number the posts they show
    HidePost(folder_, PostFile::Board, Post(0));
    EXPECT_EQ(classroom_.Read("bbs/bbsData.dat"), "\r\nPC03#c#a#c#t3#c#じろう#c#三番目\r\n");
    ASSERT_TRUE(AppendSharedLine(classroom_.DataRoot() + "bbs/bbsData.dat", Utf8ToCp932("PC01#c#a#c#t4#c#たろう#c#四番目")));

    PutBackPost(folder_, PostFile::Board, Post(1));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"(一番目)", "二番目", "三番目", "四番目"}));
    PutBackPost(folder_, PostFile::Board, Post(0));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"一番目", "二番目", "三番目", "四番目"}));
    EXPECT_EQ(classroom_.Read("bbs/bbsHidden.dat"), "\r\n");
}

TEST_F(PostModerationTest, APostThatChangedSinceItWasListedIsLeftAlone) {
    ClassPost stale = Post(1);
    HidePost(folder_, PostFile::Board, Post(0));
    EXPECT_THROW(HidePost(folder_, PostFile::Board, stale), PlatformError); // now number 1, not 2
    stale.number = 1;
    stale.line += "x";
    EXPECT_THROW(HidePost(folder_, PostFile::Board, stale), PlatformError);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"(一番目)", "二番目", "三番目"}));
}

// The pupil is another process, as another station is: the file lock keeps processes apart, not
// the threads of one.
TEST_F(PostModerationTest, PostsAppendedMeanwhileAreNeverLost) {
    const std::string path = classroom_.DataRoot() + "bbs/bbsData.dat";
    const std::string stop = classroom_.DataRoot() + "stop";
    int counted[2];
    ASSERT_EQ(::pipe(counted), 0);
    const pid_t pupil = ::fork();
    ASSERT_GE(pupil, 0);
    if (pupil == 0) {
        int n = 0;
        while (!FileExists(stop)) {
            if (AppendSharedLine(path, "PC09#c#a#c#t#c#き#c#p" + std::to_string(n + 1))) ++n;
            ::usleep(200);
        }
        (void)!::write(counted[1], &n, sizeof n);
        ::_exit(0);
    }
    for (int round = 0; round < 40; ++round) {
        HidePost(folder_, PostFile::Board, Post(0));
        PutBackPost(folder_, PostFile::Board, Post(0));
    }
    RewriteFile(stop, "");
    int appended = 0;
    ASSERT_EQ(::read(counted[0], &appended, sizeof appended), static_cast<ssize_t>(sizeof appended));
    ::waitpid(pupil, nullptr, 0);
    ASSERT_GT(appended, 0);
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 3u + static_cast<std::size_t>(appended));
    EXPECT_EQ(texts[0], "一番目");
    for (int n = 1; n <= appended; ++n) EXPECT_EQ(texts[2 + static_cast<std::size_t>(n)], "p" + std::to_string(n));
}

TEST_F(PostModerationTest, ThePhonesBoardNoLongerShowsAHiddenPost) {
    classroom_.PrepareForStartUp();
    classroom_.Write("bbs/bbs.html", "<!--velquinName--><!--velquinLAN-->\n");
    ManualClock clock;
    Station station(classroom_, "PC05", clock);
    station.Start();
    HidePost(folder_, PostFile::Board, Post(1));
    station.Open(VirtualPage("bbs.html"));
    const std::string page = classroom_.Read("bbs/tmpPC05bbs.html");
    EXPECT_NE(page.find("2件あります"), std::string::npos);
    EXPECT_EQ(page.find("二番目"), std::string::npos);
    EXPECT_NE(page.find("三番目"), std::string::npos);
}
