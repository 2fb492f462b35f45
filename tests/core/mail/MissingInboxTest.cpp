// One missing or broken file does not disable the phone: the own inbox deleted while the phone runs
// is made again, and an error that would come back at every poll is shown once.

#include "platform/Files.h"
#include "platform/StationLock.h"
#include "support/Classroom.h"
#include "support/FullDisk.h"
#include "support/MailDesk.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vq;
using namespace vqtest;

namespace {

class MissingInbox : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        pc01.Start();
        pc02.Start();
        SendMailTo(pc02, "PC01", "一通目", "a");
        pc01.phone.Timer1Timer();
        SendMailTo(pc01, "PC02", "返事", "b");
        ASSERT_TRUE(pc01.errors.messages.empty());
    }
    std::filesystem::path Inbox() const { return classroom.root / "data/mail_box/log_PC01.dat"; }
    const std::vector<std::string>& Errors() const { return pc01.errors.messages; }

    Classroom classroom;
    ManualClock clock;
    Station pc01{classroom, "PC01", clock, "10.0.0.1"};
    Station pc02{classroom, "PC02", clock, "10.0.0.2"};
};

} // namespace

TEST_F(MissingInbox, ADeletedOwnInboxIsMadeAgainAtTheNextPollWithOneMessage) {
    std::filesystem::remove(Inbox());
    pc01.phone.Timer1Timer();
    EXPECT_EQ(ReadAll(Inbox().string()), "\r\n");
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("受信箱"), std::string::npos) << Errors()[0];
    EXPECT_NE(Errors()[0].find("log_PC01.dat"), std::string::npos) << Errors()[0];
    // The station lock lay on the deleted file; the running station holds the new one.
    EXPECT_EQ(ProbeStationLock(Inbox().string()), StationRunning::Yes);
    pc01.phone.Timer1Timer();
    EXPECT_EQ(Errors().size(), 1u);

    // The station is addressable again, and both boxes show what they held.
    SendMailTo(pc02, "PC01", "二通目", "c");
    pc01.phone.Timer1Timer();
    ChooseMenuRow(pc01, 0);
    EXPECT_EQ(pc01.phone.mail.ScreenMode, "RM");
    EXPECT_EQ(ListRows(pc01), (std::vector<std::string>{"二通目", "一通目"}));
    pc01.phone.lblButtonRightClick();
    ChooseMenuRow(pc01, 1);
    EXPECT_EQ(pc01.phone.mail.ScreenMode, "SM");
    EXPECT_EQ(ListRows(pc01), std::vector<std::string>{"返事"});
    EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(MissingInbox, ADeletedOwnInboxIsMadeAgainWhenABoxIsOpened) {
    std::filesystem::remove(Inbox());
    ChooseMenuRow(pc01, 0);
    EXPECT_EQ(pc01.phone.mail.ScreenMode, "RM");
    EXPECT_EQ(ListRows(pc01), std::vector<std::string>{"一通目"});
    EXPECT_TRUE(std::filesystem::exists(Inbox()));
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_EQ(ProbeStationLock(Inbox().string()), StationRunning::Yes);
}

// A folder where the inbox should be cannot be made a file again: the poll fails the same way every
// 25 seconds, and the pupil is told once, until the failure changes or goes away.
TEST_F(MissingInbox, AnErrorThatComesBackAtEveryPollIsShownOnceUntilItClears) {
    std::filesystem::remove(Inbox());
    std::filesystem::create_directory(Inbox());
    for (int poll = 0; poll < 3; ++poll) pc01.phone.Timer1Timer();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("フォルダです"), std::string::npos) << Errors()[0];

    // The box opened by the pupil still says why it brings nothing new, and the box opens.
    ChooseMenuRow(pc01, 0);
    EXPECT_EQ(Errors().size(), 2u);
    EXPECT_EQ(pc01.phone.mail.ScreenMode, "RM");
    EXPECT_EQ(ListRows(pc01), std::vector<std::string>{"一通目"});

    std::filesystem::remove(Inbox());
    classroom.Write("mail_box/log_PC01.dat", "\n");
    pc01.phone.Timer1Timer();
    EXPECT_EQ(Errors().size(), 2u);
    std::filesystem::remove(Inbox());
    std::filesystem::create_directory(Inbox());
    pc01.phone.Timer1Timer();
    pc01.phone.Timer1Timer();
    EXPECT_EQ(Errors().size(), 3u);
}

// The take empties the inbox before anything else: a full disk that keeps it from writing the
// empty line back loses nothing that was read and brings nothing twice.
TEST_F(MissingInbox, ATakeThatCannotWriteTheEmptyLineBackKeepsWhatItRead) {
    SendMailTo(pc02, "PC01", "二通目", "c");
    {
        const FileSizeLimit full(0);
        pc01.phone.Timer1Timer();
    }
    EXPECT_EQ(pc01.phone.mail.ReceivedCount, 2);
    EXPECT_EQ(ReadAll(Inbox().string()), "");
    pc01.phone.Timer1Timer();
    EXPECT_EQ(pc01.phone.mail.ReceivedCount, 2);
}
