// What the pupil sees as sent was sent, once: a mail that reached its inbox counts as sent even when
// the sent log cannot be written, so pressing 送信 again does not deliver it again, and a broadcast
// that cannot reach one station still reaches all the others.

#include "platform/Files.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/FullDisk.h"
#include "support/MailDesk.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vq;
using namespace vqtest;

namespace {

class MailSentOnce : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        classroom.Write("mail_box/log_PC02.dat", "\n");
        classroom.Write("mail_box/log_PC03.dat", "\n");
        station.Start();
    }
    // A file already larger than the disk will let any file grow: appending to it fails, while the
    // small files still take a record.
    void MakeLarge(const std::string& relative) const { classroom.Write(relative, std::string(6000, 'x') + "\n"); }
    FileSizeLimit Full() const { return FileSizeLimit(3000); }
    std::vector<std::string> Inbox(const std::string& name) const {
        return RecordLines(classroom, "mail_box/log_" + name + ".dat");
    }
    std::vector<std::string> SentLog() const {
        std::vector<std::string> records;
        for (const std::string& line : RecordLines(classroom, "mail_log/log_PC01.dat"))
            if (line.find("#c#") != std::string::npos) records.push_back(line);
        return records;
    }
    MailPanel& panel() { return station.phone.mailPanel; }

    Classroom classroom;
    ManualClock clock{{2026, 12, 7, 9, 5, 7, 0}};
    Station station{classroom, "PC01", clock, "10.0.0.1"};
};

} // namespace

TEST_F(MailSentOnce, AMailDeliveredWithoutItsSentLogCountsAsSentAndIsNotSentAgain) {
    MakeLarge("mail_log/log_PC01.dat");
    WriteMail(station, "PC02", "件名", "本文");
    {
        const auto full = Full();
        SendWrittenMail(station);
    }
    EXPECT_EQ(Inbox("PC02").size(), 1u);
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_NE(station.errors.messages[0].find("log_PC01.dat"), std::string::npos) << station.errors.messages[0];
    EXPECT_NE(station.errors.messages[0].find("送信されています"), std::string::npos) << station.errors.messages[0];
    ASSERT_EQ(station.phone.mail.SentCount, 1);
    EXPECT_EQ(station.phone.mail.SentMails[0].Body, u"本文");
    EXPECT_TRUE(panel().ComboBoxMail.Text.empty());
    EXPECT_TRUE(panel().txtNewBody.Text.empty());
    EXPECT_EQ(station.phone.mail.ScreenMode, "M");
    EXPECT_EQ(Utf8(panel().lblMailSend.Caption), "メール送信中");
    EXPECT_EQ(RecordLines(classroom, "log/log_PC01.dat").back(), "PC01,10.0.0.1,2026/12/07 9:05:07,メール送信,");

    // What the pupil does next: the mail menu, the new mail again, 送信.
    ChooseMenuRow(station, 2);
    SendWrittenMail(station);
    EXPECT_EQ(Inbox("PC02").size(), 1u);
}

TEST_F(MailSentOnce, ABroadcastGoesOnPastAStationItCannotReachAndNamesIt) {
    MakeLarge("mail_box/log_PC02.dat");
    WriteMail(station, "全員", "連絡", "あしたは遠足");
    {
        const auto full = Full();
        SendWrittenMail(station);
    }
    EXPECT_EQ(Inbox("PC01").size(), 1u);
    EXPECT_EQ(Inbox("PC02"), std::vector<std::string>{std::string(6000, 'x')});
    ASSERT_EQ(Inbox("PC03").size(), 1u);
    EXPECT_TRUE(Inbox("PC03")[0].ends_with("#c#PC03#c#連絡#c#あしたは遠足"));
    EXPECT_EQ(SentLog().size(), 1u);
    ASSERT_EQ(station.phone.mail.SentCount, 1);
    EXPECT_EQ(station.phone.mail.SentMails[0].Party, u"全員");
    EXPECT_TRUE(panel().txtNewBody.Text.empty());
    ASSERT_EQ(station.errors.messages.size(), 1u);
    const std::string& message = station.errors.messages[0];
    EXPECT_NE(message.find("PC02"), std::string::npos) << message;
    EXPECT_EQ(message.find("PC03"), std::string::npos) << message;
}

TEST_F(MailSentOnce, ABroadcastThatReachesNobodyIsNotSent) {
    WriteMail(station, "All", "連絡", "本文"); // takes the own inbox first
    for (const char* inbox : {"mail_box/log_PC01.dat", "mail_box/log_PC02.dat", "mail_box/log_PC03.dat"}) MakeLarge(inbox);
    {
        const auto full = Full();
        SendWrittenMail(station);
    }
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_EQ(station.phone.mail.SentCount, 0);
    EXPECT_TRUE(SentLog().empty());
    EXPECT_EQ(Utf8(panel().txtNewBody.Text), "本文");
    EXPECT_EQ(station.phone.mail.ScreenMode, "NM");
}

// The canned spam arrives all together or not at all: a second try after a full disk brings no line twice.
TEST_F(MailSentOnce, TheSpamAnswerIsDeliveredWholeOrNotAtAll) {
    classroom.Write("spam_Mail/spam_Mail.txt", "一#c#" + std::string(1500, 'a') + "\n二#c#" + std::string(1500, 'b') + "\n");
    WriteMail(station, "spam_Mail", "会員登録します", "メールを送ります");
    {
        const auto full = Full();
        SendWrittenMail(station);
    }
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_TRUE(Inbox("PC01").empty());
    SendWrittenMail(station);
    EXPECT_EQ(Inbox("PC01").size(), 2u);
}
