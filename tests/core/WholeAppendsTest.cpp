// Every append to a shared file is whole or absent: a torn last line (left by a crash or by a write
// that failed elsewhere) never swallows the next record, and a write that fails half-way leaves
// nothing of itself behind.

#include "platform/Files.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/FullDisk.h"
#include "support/MailDesk.h"
#include "support/SitePupil.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace vq;
using namespace vqtest;

namespace {

class WholeAppends : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        for (const char* page : {"bbs/bbs.html", "sns/sns.html"})
            classroom.Write(page, "<form><input><textarea></textarea></form><!--velquinName--><!--velquinLAN-->\n");
        classroom.Write("mail_box/log_PC02.dat", "\n");
        pc01.Start();
    }
    // One post through the page's own form; the first visit of a site only shows it.
    void Post(const std::string& page, const std::string& name, const std::string& text) {
        station().Open(VirtualPage(page));
        Submit(station(), page, {name, text});
        GoHome();
    }
    void GoHome() {
        station().phone.BitBtnDownClick(); // the next visit of a site starts afresh
        station().browser.RunLoop();
    }
    void AppendRaw(const std::string& relative, const std::string& bytes) const {
        std::ofstream(classroom.root / "data" / relative, std::ios::binary | std::ios::app) << bytes;
    }
    std::string Bytes(const std::string& relative) const { return ReadAll(classroom.DataRoot() + relative); }
    std::filesystem::path PathOf(const std::string& relative) const { return classroom.root / "data" / relative; }
    Station& station() { return pc01; }

    Classroom classroom;
    ManualClock clock{{2026, 12, 7, 9, 5, 7, 0}};
    Station pc01{classroom, "PC01", clock, "10.0.0.1"};
};

const std::string kStamp = "2026/12/07 9:05:07";
const std::string kTorn = "PC09#c#10.0.0.9#c#2026/12/07 8:59:59#c#たろ";

} // namespace

TEST_F(WholeAppends, ANewRecordNeverJoinsTheTornLastLineOfAnySharedFile) {
    for (const char* file : {"bbs/bbsData.dat", "sns/snsData.dat", "mail_box/log_PC02.dat", "mail_log/log_PC01.dat"})
        AppendRaw(file, Utf8ToCp932(kTorn));
    AppendRaw("log/log_PC01.dat", Utf8ToCp932("PC01,10.0.0.1,2026/12/07 8:59:59,掲示"));
    AppendRaw("sns/snsData.dat", "\r"); // torn between its CR and its LF

    Post("bbs.html", "はなこ", "ボード");
    Post("sns.html", "はなこ", "タイム");
    SendMailTo(station(), "PC02", "件名", "本文");

    const std::string post = "PC01#c#10.0.0.1#c#" + kStamp + "#c#はなこ#c#";
    const std::string mail = "PC01#c#10.0.0.1#c#" + kStamp + "#c#PC02#c#件名#c#本文";
    EXPECT_EQ(RecordLines(classroom, "bbs/bbsData.dat"), (std::vector<std::string>{kTorn, post + "ボード"}));
    EXPECT_EQ(RecordLines(classroom, "sns/snsData.dat"), (std::vector<std::string>{kTorn, post + "タイム"}));
    EXPECT_EQ(RecordLines(classroom, "mail_box/log_PC02.dat"), (std::vector<std::string>{kTorn, mail}));
    EXPECT_EQ(RecordLines(classroom, "mail_log/log_PC01.dat"), (std::vector<std::string>{kTorn, mail}));
    const auto log = RecordLines(classroom, "log/log_PC01.dat");
    ASSERT_EQ(log.size(), 6u); // two visits of each site, one mail
    EXPECT_EQ(log[0], "PC01,10.0.0.1,2026/12/07 8:59:59,掲示");
    EXPECT_EQ(log[1], "PC01,10.0.0.1," + kStamp + ",掲示板,");
    EXPECT_EQ(log[5], "PC01,10.0.0.1," + kStamp + ",メール送信,");
    EXPECT_TRUE(station().errors.messages.empty());

    // The receiver gets the new mail whole, after whatever the torn line holds.
    Station pc02(classroom, "PC02", clock, "10.0.0.2");
    pc02.Start();
    pc02.phone.Timer1Timer();
    ASSERT_EQ(pc02.phone.mail.ReceivedCount, 2);
    EXPECT_EQ(pc02.phone.mail.ReceivedMails[1].Subject, u"件名");
    EXPECT_EQ(pc02.phone.mail.ReceivedMails[1].Body, u"本文");
}

TEST_F(WholeAppends, APostThatTheFullDiskCutsShortLeavesTheBoardAsItWas) {
    Post("bbs.html", "たろう", "はじめ");
    const std::string before = Bytes("bbs/bbsData.dat");
    station().Open(VirtualPage("bbs.html"));
    {
        const auto full = FileSizeLimit::RoomAfter(PathOf("bbs/bbsData.dat"), 20);
        Submit(station(), "bbs.html", {"たろう", std::string(200, 'x')});
    }
    GoHome();
    EXPECT_EQ(Bytes("bbs/bbsData.dat"), before);
    ASSERT_EQ(station().errors.messages.size(), 1u);
    EXPECT_NE(station().errors.messages[0].find("bbsData.dat"), std::string::npos) << station().errors.messages[0];

    Post("bbs.html", "たろう", "つぎ");
    EXPECT_EQ(RecordLines(classroom, "bbs/bbsData.dat").back(), "PC01#c#10.0.0.1#c#" + kStamp + "#c#たろう#c#つぎ");
    EXPECT_EQ(RecordLines(classroom, "bbs/bbsData.dat").size(), 2u);
}

// The mail of 9 KB that the full disk let through to 4 KB: none of it arrives, the pupil keeps it to
// send again, and the next mail arrives whole once there is room.
TEST_F(WholeAppends, AMailThatTheFullDiskCutsShortIsNotDeliveredInPart) {
    const std::string body(9000, 'm');
    WriteMail(station(), "PC02", "大きい", body);
    {
        const auto full = FileSizeLimit::RoomAfter(PathOf("mail_box/log_PC02.dat"), 4096);
        SendWrittenMail(station());
    }
    EXPECT_EQ(Bytes("mail_box/log_PC02.dat"), "\r\n");
    EXPECT_EQ(station().errors.messages.size(), 1u);
    EXPECT_EQ(Utf8(station().phone.mailPanel.txtNewBody.Text), body);
    EXPECT_EQ(station().phone.mail.SentCount, 0);
    EXPECT_TRUE(RecordLines(classroom, "mail_log/log_PC01.dat").empty());

    SendWrittenMail(station());
    SendMailTo(station(), "PC02", "小さい", "本文");
    Station pc02(classroom, "PC02", clock, "10.0.0.2");
    pc02.Start();
    pc02.phone.Timer1Timer();
    ASSERT_EQ(pc02.phone.mail.ReceivedCount, 2);
    EXPECT_EQ(Utf8(pc02.phone.mail.ReceivedMails[0].Body), body);
    EXPECT_EQ(pc02.phone.mail.ReceivedMails[1].Body, u"本文");
}

// The same on a disk that is really full, where the system says so in its own words.
TEST(WholeAppendsOnASmallDisk, AMailTheDiskHasNoRoomForLeavesNothingAndSaysWhy) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    const auto disk = SmallDisk::MountOn(classroom.root / "data/mail_box", 64);
    if (!disk) GTEST_SKIP() << "mounting a small tmpfs needs root and a system that allows it";
    classroom.Write("mail_box/log_PC02.dat", "\n");
    ManualClock clock;
    Station pc01(classroom, "PC01", clock, "10.0.0.1");
    pc01.Start();
    disk->FillLeaving(4096);
    SendMailTo(pc01, "PC02", "大きい", std::string(9000, 'm'));
    ASSERT_EQ(pc01.errors.messages.size(), 1u);
    EXPECT_NE(pc01.errors.messages[0].find("ディスクがいっぱいです"), std::string::npos) << pc01.errors.messages[0];
    EXPECT_EQ(ReadAll(classroom.DataRoot() + "mail_box/log_PC02.dat"), "\r\n");

    disk->Free();
    SendWrittenMail(pc01);
    EXPECT_EQ(RecordLines(classroom, "mail_box/log_PC02.dat").size(), 1u);
}
