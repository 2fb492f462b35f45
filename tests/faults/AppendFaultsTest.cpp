// Appends on a share whose server cannot store what its client accepted: the failure shows only when
// the write is flushed, and at times the share will not cut the file back either. A post or mail
// reported as not written must then be absent for every reader, whole or torn.

#include "FailingCalls.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/FullDisk.h"
#include "support/MailDesk.h"
#include "support/SitePupil.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace vq;
using namespace vqtest;

namespace {

class AppendFaults : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        classroom.Write("bbs/bbs.html", "<form><input><textarea></textarea></form><!--velquinName--><!--velquinLAN-->\n");
        classroom.Write("mail_box/log_PC02.dat", "\n");
        pc01.Start();
        Post("たろう", "はじめ");
    }
    // One post through the board's own form; the first visit of the board only shows it.
    void Post(const std::string& name, const std::string& text) {
        pc01.Open(VirtualPage("bbs.html"));
        Submit(pc01, "bbs.html", {name, text});
        pc01.phone.BitBtnDownClick();
        pc01.browser.RunLoop();
    }
    // The lines every reader takes for records.
    std::vector<std::string> Records(const std::string& relative) const {
        std::vector<std::string> records;
        for (const std::string& line : RecordLines(classroom, relative))
            if (line.find("#c#") != std::string::npos) records.push_back(line);
        return records;
    }
    std::string Bytes(const std::string& relative) const { return ReadAll(classroom.DataRoot() + relative); }
    const std::vector<std::string>& Errors() const { return pc01.errors.messages; }

    Classroom classroom;
    ManualClock clock{{2026, 12, 7, 9, 5, 7, 0}};
    Station pc01{classroom, "PC01", clock, "10.0.0.1"};
};

const std::string kPost = "PC01#c#10.0.0.1#c#2026/12/07 9:05:07#c#たろう#c#";

} // namespace

TEST_F(AppendFaults, APostTheServerCannotStoreIsCutBackAndReported) {
    const std::string before = Bytes("bbs/bbsData.dat");
    {
        const FailingCalls server("bbsData.dat", {.flush = EIO});
        Post("たろう", "とどかない");
    }
    EXPECT_EQ(Bytes("bbs/bbsData.dat"), before);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("bbsData.dat"), std::string::npos) << Errors()[0];
    EXPECT_NE(Errors()[0].find("読み書きに失敗しました"), std::string::npos) << Errors()[0];

    Post("たろう", "つぎ");
    EXPECT_EQ(Records("bbs/bbsData.dat"), (std::vector<std::string>{kPost + "はじめ", kPost + "つぎ"}));
}

TEST_F(AppendFaults, AMailTheServerCannotStoreIsNotDeliveredAndThePupilKeepsIt) {
    {
        const FailingCalls server("log_PC02.dat", {.flush = ENOSPC});
        SendMailTo(pc01, "PC02", "件名", "本文");
    }
    EXPECT_EQ(Bytes("mail_box/log_PC02.dat"), "\r\n");
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("ディスクがいっぱいです"), std::string::npos) << Errors()[0];
    EXPECT_EQ(pc01.phone.mail.SentCount, 0);
    EXPECT_EQ(Utf8(pc01.phone.mailPanel.txtNewBody.Text), "本文");
}

// The record was written whole, but the server did not keep it and the cut fails: left as it is it
// would be read as a post that the pupil was told had failed, and posted again.
TEST_F(AppendFaults, WhereEvenTheCutFailsTheFailedPostIsNoRecordForAnyReader) {
    {
        const FailingCalls server("bbsData.dat", {.flush = EIO, .cut = EIO});
        Post("たろう", "とどかない");
    }
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Records("bbs/bbsData.dat"), std::vector<std::string>{kPost + "はじめ"});
    EXPECT_EQ(Bytes("bbs/bbsData.dat").find(Utf8ToCp932("とどかない")), std::string::npos);

    Post("たろう", "つぎ");
    EXPECT_EQ(Records("bbs/bbsData.dat"), (std::vector<std::string>{kPost + "はじめ", kPost + "つぎ"}));
    EXPECT_NE(classroom.Read("bbs/tmpPC01bbs.html").find("2件あります"), std::string::npos);
}

// A full disk tears the mail after all its separators, and the share will not cut it back: it must
// not arrive as a mail with its body cut short. Sent again, it arrives once, whole.
TEST_F(AppendFaults, WhereEvenTheCutFailsATornMailDoesNotArrive) {
    const std::string body(400, 'm');
    WriteMail(pc01, "PC02", "件名", body);
    {
        const FailingCalls server("log_PC02.dat", {.cut = EIO});
        const auto full = FileSizeLimit::RoomAfter(classroom.root / "data/mail_box/log_PC02.dat", 120);
        SendWrittenMail(pc01);
    }
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(pc01.phone.mail.SentCount, 0);
    EXPECT_TRUE(Records("mail_box/log_PC02.dat").empty());

    SendWrittenMail(pc01);
    Station pc02(classroom, "PC02", clock, "10.0.0.2");
    pc02.Start();
    pc02.phone.Timer1Timer();
    ASSERT_EQ(pc02.phone.mail.ReceivedCount, 1);
    EXPECT_EQ(Utf8(pc02.phone.mail.ReceivedMails[0].Body), body);
}
