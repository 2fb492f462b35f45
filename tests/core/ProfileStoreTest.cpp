#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "sites/profile/ProfileListing.h"
#include "sites/profile/ProfilePictures.h"
#include "sites/profile/ProfileRows.h"
#include "sites/profile/ProfileStore.h"
#include "sites/profile/ProfileViews.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

#include <random>

using namespace vq;
using namespace vqtest;

namespace {

class ProfileStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        station.Start();
    }
    // A stored page, its data file and its base counter, as a creation leaves them.
    void Store(const std::string& id, const std::string& name, const std::string& picture = "prof/illustration/illustration00.jpg") {
        classroom.Write("prof_html/" + id + ".html", "<p>" + id + "</p>\n");
        std::string data = "PC\n" + picture + "\npw\n" + name + "\n";
        for (int slot = 2; slot < 31; ++slot) data += "\n";
        classroom.Write("prof_edit/" + id + ".dat", data);
        classroom.Write("prof_counter/" + id + ".dat", "\n");
    }
    // Stamps are set from one whole second, so that pages can be written "at the same second".
    void Touch(const std::string& id, int secondsAgo, std::chrono::milliseconds within = {}) {
        std::filesystem::last_write_time(classroom.root / "data/prof_html" / (id + ".html"),
                                         wholeSecond - std::chrono::seconds(secondsAgo) + within);
    }
    const std::filesystem::file_time_type wholeSecond =
        std::chrono::floor<std::chrono::seconds>(std::filesystem::file_time_type::clock::now());
    std::vector<std::string> Ids(ProfileOrder order) {
        std::vector<std::string> ids;
        for (const StoredProfile& p : ListStoredProfiles(station.phone, order)) ids.push_back(p.id);
        return ids;
    }

    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock};
};

} // namespace

TEST(SixDigitTime, PadsTheHourAndKeepsSixDigits) {
    EXPECT_EQ(SixDigitTime({2026, 12, 7, 9, 5, 7, 0}), "090507");
    EXPECT_EQ(SixDigitTime({2026, 12, 7, 13, 45, 12, 0}), "134512");
    EXPECT_EQ(SixDigitTime({2026, 12, 7, 0, 0, 0, 0}), "000000");
}

TEST(ProfileIdInAddress, TakesTheFileNameOfAStoredPage) {
    EXPECT_EQ(ProfileIdInAddress("/d/data/prof_html/090507PC12.html"), "090507PC12");
    EXPECT_EQ(ProfileIdInAddress("/d/data/prof_html/090507PC12prof_password.html"), "090507PC12");
    EXPECT_EQ(ProfileIdInAddress("/d/data/prof_html/090507PC12prof_delete_password.html"), "090507PC12");
    EXPECT_EQ(ProfileIdInAddress("C:\\kyoshitsu\\data\\prof_html\\090507PC12.HTML"), "090507PC12");
    EXPECT_EQ(ProfileIdInAddress("http://velquin.invalid/prof_html/090507PC12.html"), "090507PC12");
    // A folder that only contains the word, or a page elsewhere, names no profile.
    EXPECT_EQ(ProfileIdInAddress("/d/prof_html_old/090507PC12.html"), "");
    EXPECT_EQ(ProfileIdInAddress("/d/myprof_html/090507PC12.html"), "");
    EXPECT_EQ(ProfileIdInAddress("/d/prof_html/index/x.html"), "");
    EXPECT_EQ(ProfileIdInAddress("/d/prof_html/notes.txt"), "");
    EXPECT_EQ(ProfileIdInAddress("prof_html"), "");
    // "ソ" ends in the byte of "\"; it is no separator.
    EXPECT_EQ(ProfileIdInAddress(Utf8ToCp932("/d/prof_html/090507ソ.html")), Utf8ToCp932("090507ソ"));
}

TEST(ProfileIdOfTarget, AcceptsAnIdOrAStoredPagePath) {
    EXPECT_EQ(ProfileIdOfTarget("090507PC12"), "090507PC12");
    EXPECT_EQ(ProfileIdOfTarget("/html/data/prof_html/090507PC12.html"), "090507PC12");
    EXPECT_EQ(ProfileIdOfTarget(""), "");
}

TEST_F(ProfileStoreTest, PictureCodesResolveToExistingPicturesOrTheFallback) {
    const Phone& phone = station.phone;
    classroom.Write("prof/illustration/illustration05.jpg", "x");
    classroom.Write("prof/illustration/illustration12.jpg", "x");
    classroom.Write("prof/illustration/illustrationab.jpg", "x");
    classroom.Write("mail_photo/123.jpg", "x");
    EXPECT_EQ(ResolveProfilePicture(phone, u""), kFallbackPicture);
    EXPECT_EQ(ResolveProfilePicture(phone, u"0"), kFallbackPicture);
    EXPECT_EQ(ResolveProfilePicture(phone, u"5"), u"prof/illustration/illustration05.jpg");
    EXPECT_EQ(ResolveProfilePicture(phone, u"12"), u"prof/illustration/illustration12.jpg");
    EXPECT_EQ(ResolveProfilePicture(phone, u"ab"), u"prof/illustration/illustrationab.jpg");
    EXPECT_EQ(ResolveProfilePicture(phone, u"7"), kFallbackPicture); // no such stock picture
    EXPECT_EQ(ResolveProfilePicture(phone, u"123"), u"mail_photo/123.jpg");
    EXPECT_EQ(ResolveProfilePicture(phone, u"124"), kFallbackPicture);
    EXPECT_EQ(ResolveProfilePicture(phone, u"../mail_photo/123"), kFallbackPicture);
}

TEST_F(ProfileStoreTest, PictureCodeOfGivesBackTheCodeOfItsPath) {
    classroom.Write("prof/illustration/illustration07.jpg", "x");
    classroom.Write("mail_photo/PC1293015.jpg", "x");
    for (std::u16string path : {u"prof/illustration/illustration07.jpg", u"mail_photo/PC1293015.jpg", u"prof/illustration/illustration00.jpg"})
        EXPECT_EQ(ResolveProfilePicture(station.phone, PictureCodeOf(path)), path);
    EXPECT_EQ(PictureCodeOf(u"prof/illustration/illustration07.jpg"), u"7");
    EXPECT_EQ(PictureCodeOf(u"prof/illustration/illustration12.jpg"), u"12");
    EXPECT_EQ(PictureCodeOf(u"prof\\illustration\\illustration00.jpg"), u"0"); // written on Windows
    EXPECT_EQ(PictureCodeOf(u"mail_photo/PC1293015.jpg"), u"PC1293015");
    EXPECT_EQ(PictureCodeOfPhoto(u"PC0190507.jpg"), u"PC0190507");
    EXPECT_EQ(PictureCodeOfPhoto(u""), u"");
}

TEST(CountProfileViews, CountsNamesThatContainTheId) {
    const std::vector<std::string> names{"090507PC1.dat", "090507PC10.dat", "090507PC1093000PC02.dat",
                                         "090507PC2093000PC01.dat", "090507PC1090507PC1.dat"};
    EXPECT_EQ(CountProfileViews("090507PC1", names), 4);  // shares the views of 090507PC10
    EXPECT_EQ(CountProfileViews("090507PC10", names), 3); // "090507PC1" + a stamp beginning with 0
    EXPECT_EQ(CountProfileViews("093000PC01", names), 1); // the id inside another's view stamp
    EXPECT_EQ(CountProfileViews("090507PC1", {}), 0);
    EXPECT_EQ(CountProfileViews("page", {"mypage1.dat", "page.dat", "other.dat"}), 2);
}

TEST(CountAllProfileViews, AgreesWithAPlainSubstringCount) {
    std::mt19937 random(7);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto id = [&] {
        std::string text = std::to_string(100000 + pick(4)) + "PC" + std::to_string(pick(12));
        if (pick(6) == 0) text = "x" + text; // pages not made by this program
        return text;
    };
    std::vector<std::string> ids, names;
    for (int i = 0; i < 40; ++i) ids.push_back(id());
    for (int i = 0; i < 400; ++i) names.push_back(id() + (pick(2) ? id() : "") + ".dat");
    const std::vector<int> counts = CountAllProfileViews(ids, names);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        int expected = 0;
        for (const std::string& name : names) expected += name.find(ids[i]) != std::string::npos;
        EXPECT_EQ(counts[i], expected) << ids[i];
    }
}

TEST_F(ProfileStoreTest, ListsByStampNewestFirstWithTiesInReverseNameOrder) {
    EXPECT_TRUE(ListStoredProfiles(station.phone, ProfileOrder::ByStamp).empty());
    for (const char* id : {"090000PC01", "090000PC02", "090000PC03", "090000PC04"}) Store(id, id);
    Touch("090000PC01", 10);
    Touch("090000PC02", 30, std::chrono::milliseconds(900)); // the same second as PC03, later within it
    Touch("090000PC03", 30, std::chrono::milliseconds(100));
    Touch("090000PC04", 20);
    EXPECT_EQ(Ids(ProfileOrder::ByStamp), (std::vector<std::string>{"090000PC01", "090000PC04", "090000PC03", "090000PC02"}));
}

TEST_F(ProfileStoreTest, RanksByCountWithTiesInReverseNameOrder) {
    for (const char* id : {"090000PC01", "090000PC02", "090000PC03"}) Store(id, id);
    classroom.Write("prof_counter/090000PC01100000PC05.dat", "\n");
    Touch("090000PC03", 50); // the stamp plays no part in the ranking
    EXPECT_EQ(Ids(ProfileOrder::ByCount), (std::vector<std::string>{"090000PC01", "090000PC03", "090000PC02"}));
    const auto profiles = ListStoredProfiles(station.phone, ProfileOrder::ByCount);
    EXPECT_EQ(profiles[0].views, 2);
    EXPECT_EQ(profiles[1].views, 1);
}

TEST_F(ProfileStoreTest, EntriesCarryPictureNameAndAnswersFromTheDataFile) {
    Store("090000PC01", "太郎", "prof\\illustration\\illustration03.jpg");
    const auto profiles = ListStoredProfiles(station.phone, ProfileOrder::ByStamp);
    ASSERT_EQ(profiles.size(), 1u);
    EXPECT_EQ(profiles[0].pageFile, "090000PC01.html");
    EXPECT_EQ(profiles[0].picture, "prof/illustration/illustration03.jpg");
    EXPECT_EQ(Cp932ToUtf8(profiles[0].name), "太郎");
    EXPECT_EQ(profiles[0].furtherAnswers.size(), 29u);
}

TEST_F(ProfileStoreTest, AStoredPageWhoseDataFileIsNotWrittenYetIsLeftOut) {
    Store("090000PC01", "a");
    Store("090000PC02", "b");
    std::filesystem::remove(classroom.root / "data/prof_edit/090000PC01.dat");
    EXPECT_EQ(Ids(ProfileOrder::ByStamp), std::vector<std::string>{"090000PC02"});
}

// One broken profile must not break the lists of every station: it is left out, and the pupil is
// told once, until the set of broken ones changes or they are mended.
TEST_F(ProfileStoreTest, AStoredPageWhoseDataFileCannotBeReadIsLeftOutWithOneMessage) {
    Store("090000PC01", "a");
    Store("090000PC02", "b");
    Store("090000PC03", "c");
    const auto breakData = [&](const std::string& id) {
        std::filesystem::remove(classroom.root / "data/prof_edit" / (id + ".dat"));
        std::filesystem::create_directory(classroom.root / "data/prof_edit" / (id + ".dat"));
    };
    breakData("090000PC01");
    EXPECT_EQ(Ids(ProfileOrder::ByStamp), (std::vector<std::string>{"090000PC03", "090000PC02"}));
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_NE(station.errors.messages[0].find("090000PC01.dat"), std::string::npos) << station.errors.messages[0];
    EXPECT_EQ(Ids(ProfileOrder::ByCount).size(), 2u);
    EXPECT_EQ(station.errors.messages.size(), 1u);

    breakData("090000PC03");
    EXPECT_EQ(Ids(ProfileOrder::ByStamp), std::vector<std::string>{"090000PC02"});
    ASSERT_EQ(station.errors.messages.size(), 2u);
    EXPECT_NE(station.errors.messages[1].find("090000PC03.dat"), std::string::npos) << station.errors.messages[1];

    for (const char* id : {"090000PC01", "090000PC03"}) {
        std::filesystem::remove(classroom.root / "data/prof_edit" / (std::string(id) + ".dat"));
        Store(id, "again");
    }
    EXPECT_EQ(Ids(ProfileOrder::ByStamp).size(), 3u);
    breakData("090000PC01");
    EXPECT_EQ(Ids(ProfileOrder::ByStamp).size(), 2u);
    EXPECT_EQ(station.errors.messages.size(), 3u);
}

TEST(ProfileListRow, HasTheThreeLinkKinds) {
    const StoredProfile p{"090000PC01.html", "090000PC01", 3, "prof/illustration/illustration05.jpg",
                          Utf8ToCp932("<b>太郎</b>"), {}};
    const std::string head = "<tr><td>3</td><td><img src=\"/d/prof/illustration/illustration05.jpg\" width=\"60\" "
                             "height=\"45\"></td><td>&lt;b&gt;太郎&lt;/b&gt;</td><td><a href=\"/d/prof_html/";
    EXPECT_EQ(WideToUtf8(ProfileListRow("/d/", p, ProfileLink::View)),
              head + "090000PC01.html\"><b>表示</b></a></td></tr>\r\n");
    EXPECT_EQ(WideToUtf8(ProfileListRow("/d/", p, ProfileLink::Edit)),
              head + "090000PC01prof_password.html\"><b>再編集</b></a></td></tr>\r\n");
    EXPECT_EQ(WideToUtf8(ProfileListRow("/d/", p, ProfileLink::Delete)),
              head + "090000PC01prof_delete_password.html\"><b>削除</b></a></td></tr>\r\n");
}
