// One name is one station: a second phone under a running station's name, or under a name no station
// can have, does not start as that station.

#include "platform/SystemInfo.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/MailDesk.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vq;
using namespace vqtest;

namespace {

class StationIdentityTest : public ::testing::Test {
protected:
    void SetUp() override { classroom.PrepareForStartUp(); }
    // The station files of the folder, by name.
    std::vector<std::string> Inboxes() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(classroom.root / "data/mail_box"))
            names.push_back(entry.path().filename().string());
        return names;
    }

    Classroom classroom;
    ManualClock clock;
};

} // namespace

TEST_F(StationIdentityTest, ASecondPhoneUnderARunningStationsNameIsRefusedAndTakesNothing) {
    Station first(classroom, "PC01", clock);
    first.Start();
    Station sender(classroom, "PC02", clock);
    sender.Start();
    SendMailTo(sender, "PC01", "宿題", "あとで見てね");
    const std::string inbox = classroom.Read("mail_box/log_PC01.dat");
    const std::string log = classroom.Read("log/log_PC01.dat");

    Station second(classroom, "PC01", clock);
    second.Start();
    ASSERT_EQ(second.errors.messages.size(), 1u);
    EXPECT_TRUE(second.errors.messages[0].starts_with("この端末名（PC01）はすでに使われています")) << second.errors.messages[0];
    EXPECT_FALSE(second.phone.window.Timer1.Enabled);
    // Whatever reaches it, it acts as no station: no poll takes the first one's mail, no page is made
    // or billed under its name.
    second.phone.Timer1Timer();
    second.Open("http://velquin.invalid/bbs.html");
    second.phone.lblButtonLeftClick();
    EXPECT_EQ(classroom.Read("mail_box/log_PC01.dat"), inbox);
    EXPECT_EQ(classroom.Read("log/log_PC01.dat"), log);
    EXPECT_FALSE(classroom.Exists("bbs/tmpPC01bbs.html"));
    EXPECT_EQ(second.phone.mail.ReceivedCount, 0);

    // The first one runs on: its poll takes the mail.
    first.phone.Timer1Timer();
    EXPECT_EQ(first.phone.mail.ReceivedCount, 1);
}

TEST_F(StationIdentityTest, TheNameIsFreeAgainWhenItsPhoneEnds) {
    {
        Station first(classroom, "PC01", clock);
        first.Start();
    }
    Station again(classroom, "PC01", clock);
    again.Start();
    EXPECT_TRUE(again.errors.messages.empty()) << again.errors.messages[0];
    EXPECT_TRUE(again.phone.window.Timer1.Enabled);
}

TEST_F(StationIdentityTest, ANameNoStationCanHaveIsRefusedBeforeAnyFileIsMade) {
    for (const std::string& name : {std::string(""), std::string(".school.local"), std::string("PC/01"),
                                    std::string("PC\\01"), std::string("PC,01"), std::string("PC#c#01"),
                                    std::string("PC\x01" "01"), std::string("PC\t01"), std::string("PC\x7F")}) {
        Station station(classroom, name, clock);
        station.Start();
        ASSERT_EQ(station.errors.messages.size(), 1u) << name;
        EXPECT_NE(station.errors.messages[0].find("端末名"), std::string::npos) << station.errors.messages[0];
        EXPECT_FALSE(station.phone.window.Timer1.Enabled) << name;
        EXPECT_TRUE(Inboxes().empty()) << name;
        EXPECT_FALSE(classroom.Exists("bbs/bbsData.dat")) << name;
    }
}

TEST(StationNameFrom, KeepsShortNamesAndShortensLongOnesWithoutCollisions) {
    EXPECT_EQ(StationNameFrom("PC01"), "PC01");
    EXPECT_EQ(StationNameFrom("PC01.school.local"), "PC01");
    EXPECT_EQ(StationNameFrom("ABCDEFGHIJKLMNO"), "ABCDEFGHIJKLMNO"); // 15 characters stay whole
    const std::string a = StationNameFrom("CLASSROOM-PC-0001");
    const std::string b = StationNameFrom("CLASSROOM-PC-0002");
    EXPECT_NE(a, b);
    EXPECT_EQ(a.size(), 15u);
    EXPECT_EQ(a, "CLASSROOM-~QQIT"); // as the README shows it
    for (char c : a.substr(11)) EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) << a;
    EXPECT_EQ(StationNameFrom("CLASSROOM-PC-0001.school.local"), a); // the domain is no part of the name
    EXPECT_EQ(StationNameFrom("CLASSROOM-PC-0001"), a);              // and the same name gives the same station
}

// A double-byte character counts as one, is never cut in half, and the hash stays in plain letters.
TEST(StationNameFrom, CountsCharactersNotBytes) {
    const std::string name = StationNameFrom(Utf8ToCp932("ソフトウェア開発部の端末一番目です"));
    EXPECT_EQ(Cp932ToUtf8(name).substr(0, std::string("ソフトウェア開発部の").size()), "ソフトウェア開発部の");
    EXPECT_EQ(name.substr(20, 1), "~");
    EXPECT_EQ(name.size(), 25u); // ten double-byte characters, "~" and four
    EXPECT_EQ(StationNameFrom(Utf8ToCp932("情報処理室のパソコン一")), Utf8ToCp932("情報処理室のパソコン一")); // 11 stay
    EXPECT_NE(StationNameFrom(Utf8ToCp932("ソフトウェア開発部の端末一番目です")),
              StationNameFrom(Utf8ToCp932("ソフトウェア開発部の端末二番目です")));
}

// The address book finds stations without regard to letter case before it looks at the special
// addresses: a PC named "all" would take every broadcast alone, one named "SPAM_MAIL" the spam.
TEST_F(StationIdentityTest, ANameThatIsAMailAddressOfItsOwnIsRefusedInAnyLetterCase) {
    for (const std::string& name : {std::string("All"), std::string("all"), std::string("ALL"), Utf8ToCp932("全員"),
                                    std::string("spam_Mail"), std::string("SPAM_MAIL"), std::string("send_Photo_Mail"),
                                    std::string("send_photo_mail")}) {
        Station station(classroom, name, clock);
        station.Start();
        ASSERT_EQ(station.errors.messages.size(), 1u) << name;
        EXPECT_TRUE(station.errors.messages[0].starts_with("この端末名（" + Cp932ToUtf8(name) + "）は使えません"))
            << station.errors.messages[0];
        EXPECT_NE(station.errors.messages[0].find("メールの特別な宛先"), std::string::npos) << station.errors.messages[0];
        EXPECT_FALSE(station.phone.window.Timer1.Enabled) << name;
        EXPECT_TRUE(Inboxes().empty()) << name;
    }
    for (const char* name : {"Allen", "PCall", "spam", "Mail"}) {
        Station station(classroom, name, clock);
        station.Start();
        EXPECT_TRUE(station.errors.messages.empty()) << name;
    }
}

// A second phone started under PC01's name while PC01's inbox was missing made the inbox again and
// holds it. The first one finds that out at its next poll, before it takes any mail, and stops
// being PC01; the second one stays PC01.
TEST_F(StationIdentityTest, APhoneWhoseInboxWasMadeAgainByASecondPhoneOfItsNameStopsBeingThatStation) {
    Station first(classroom, "PC01", clock);
    first.Start();
    std::filesystem::remove(classroom.root / "data/mail_box/log_PC01.dat");
    Station second(classroom, "PC01", clock);
    second.Start();
    ASSERT_TRUE(second.errors.messages.empty()) << second.errors.messages[0];
    Station sender(classroom, "PC02", clock);
    sender.Start();
    SendMailTo(sender, "PC01", "宿題", "あとで見てね");

    first.phone.Timer1Timer();
    ASSERT_EQ(first.errors.messages.size(), 1u);
    EXPECT_TRUE(first.errors.messages[0].starts_with("この端末名（PC01）はすでに使われています")) << first.errors.messages[0];
    EXPECT_FALSE(first.phone.window.Timer1.Enabled);
    EXPECT_EQ(first.phone.mail.ReceivedCount, 0);
    first.phone.Timer1Timer();
    OpenMailMenu(first);
    EXPECT_EQ(first.errors.messages.size(), 1u);

    second.phone.Timer1Timer();
    EXPECT_EQ(second.phone.mail.ReceivedCount, 1);
    EXPECT_TRUE(second.errors.messages.empty());
}
