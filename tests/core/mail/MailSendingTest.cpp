#include "platform/Files.h"
#include "platform/LockedFile.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/MailDesk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>

using namespace vq;
using namespace vqtest;

namespace {

class MailSending : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        classroom.Write("mail_box/log_PC02.dat", "\n");
        station.Start();
    }
    void WriteBinary(const std::string& relative, const std::string& bytes) const {
        std::ofstream(classroom.root / "data" / relative, std::ios::binary | std::ios::trunc) << bytes;
    }
    // As the camera attaches its shot, whose picture is the snapshot in tmp_photo/.
    void AttachPhoto(const std::u16string& name) {
        station.phone.mail.CurrentPhoto = name;
        station.phone.mail.CurrentPhotoIsSnapshot = true;
        station.phone.mailPanel.pnlPhoto2.Visible = true;
    }
    std::vector<std::string> Inbox(const std::string& name) const {
        return RecordLines(classroom, "mail_box/log_" + name + ".dat");
    }
    std::vector<std::string> SentLog() const { return RecordLines(classroom, "mail_log/log_PC01.dat"); }
    std::vector<std::string> Log() const { return RecordLines(classroom, "log/log_PC01.dat"); }
    MailPanel& panel() { return station.phone.mailPanel; }

    Classroom classroom;
    ManualClock clock{{2026, 12, 7, 9, 5, 7, 0}};
    Station station{classroom, "PC01", clock, "10.0.0.1"};
};

const std::string kStamp = "2026/12/07 9:05:07";

} // namespace

TEST_F(MailSending, AMailToAStationGoesToItsInboxAndTheSentLog) {
    SendMailTo(station, "PC02", "件名", "本文");
    const std::string record = "PC01#c#10.0.0.1#c#" + kStamp + "#c#PC02#c#件名#c#本文";
    EXPECT_EQ(Inbox("PC02"), std::vector<std::string>{record});
    EXPECT_EQ(SentLog(), std::vector<std::string>{record});
    EXPECT_EQ(Log(), std::vector<std::string>{"PC01,10.0.0.1," + kStamp + ",メール送信,"});
    ASSERT_EQ(station.phone.mail.SentCount, 1);
    EXPECT_EQ(station.phone.mail.SentMails[0].Party, u"PC02");
    EXPECT_EQ(station.phone.mail.SentMails[0].Body, u"本文");
    EXPECT_TRUE(panel().ComboBoxMail.Text.empty());
    EXPECT_TRUE(panel().txtNewSubject.Text.empty());
    EXPECT_TRUE(panel().txtNewBody.Text.empty());
    // Back on the menu, with the notice over it.
    EXPECT_EQ(station.phone.mail.ScreenMode, "M");
    EXPECT_EQ(Utf8(panel().lblMailSend.Caption), "メール送信中");
    EXPECT_TRUE(panel().lblMailSend.Visible);
}

TEST_F(MailSending, TheSendNoticeTurnsToDoneAfterTwoSecondsAndGoesAfterThree) {
    SendMailTo(station, "PC02", "a", "b");
    const Timer& timer = station.phone.window.Timer3;
    EXPECT_TRUE(timer.Enabled);
    EXPECT_EQ(timer.Interval, 1000);
    station.phone.Timer3Timer();
    EXPECT_EQ(Utf8(panel().lblMailSend.Caption), "メール送信中");
    ChooseMenuRow(station, 1); // a screen change leaves the running notice showing
    EXPECT_TRUE(panel().lblMailSend.Visible);
    station.phone.Timer3Timer();
    EXPECT_EQ(Utf8(panel().lblMailSend.Caption), "送信しました");
    EXPECT_TRUE(panel().lblMailSend.Visible);
    station.phone.Timer3Timer();
    EXPECT_FALSE(panel().lblMailSend.Visible);
    EXPECT_FALSE(timer.Enabled);
}

TEST_F(MailSending, ABodyOfSeveralLinesArrivesWhole) {
    SendMailTo(station, "PC02", "行", "一行目\r\n二行目 PC03#c#1#c#t#c#PC02#c#偽#c#物\r\n三行目");
    ASSERT_EQ(Inbox("PC02").size(), 1u);
    Station pc02(classroom, "PC02", clock, "10.0.0.2");
    pc02.Start();
    OpenMailMenu(pc02);
    ChooseMenuRow(pc02, 0);
    EXPECT_EQ(pc02.phone.mail.ReceivedCount, 1);
    EXPECT_EQ(Utf8(pc02.phone.mailPanel.txtNewBody.Text), "一行目\r\n二行目 PC03#c#1#c#t#c#PC02#c#偽#c#物\r\n三行目");
}

TEST_F(MailSending, ABroadcastGivesEveryInboxItsOwnRecipientAndTheSentLogOne) {
    SendMailTo(station, "All", "みんなへ", "こんにちは");
    const std::string head = "PC01#c#10.0.0.1#c#" + kStamp + "#c#";
    EXPECT_EQ(Inbox("PC01"), std::vector<std::string>{head + "PC01#c#みんなへ#c#こんにちは"});
    EXPECT_EQ(Inbox("PC02"), std::vector<std::string>{head + "PC02#c#みんなへ#c#こんにちは"});
    EXPECT_EQ(SentLog(), std::vector<std::string>{head + "All#c#みんなへ#c#こんにちは"});
    ASSERT_EQ(station.phone.mail.SentCount, 1);
    EXPECT_EQ(station.phone.mail.SentMails[0].Party, u"All");

    SendMailTo(station, "全員", "s", "b");
    EXPECT_EQ(Inbox("PC02").size(), 2u);
}

// The pupil is told, for the three seconds of the send notice, and the mail stays on the screen to
// be addressed again; an empty address does nothing at all.
TEST_F(MailSending, AddressesThatReachNobodySayWhereTheyAreTypedAndChangeNothing) {
    SendMailTo(station, "", "件名", "本文");
    EXPECT_FALSE(panel().lblMailSend.Visible);
    for (const char* address : {"all", "../mail_box/log_PC02", "spam_mail"}) {
        SendMailTo(station, address, "件名", "本文");
        EXPECT_EQ(station.phone.mail.ScreenMode, "NM") << address;
        EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), address);
        EXPECT_EQ(Utf8(panel().txtNewSubject.Text), "件名") << address;
        EXPECT_EQ(Utf8(panel().txtNewBody.Text), "本文") << address;
        EXPECT_TRUE(panel().lblMailSend.Visible) << address;
        EXPECT_EQ(Utf8(panel().lblMailSend.Caption), "宛先が見つかりません") << address;
        station.phone.Timer3Timer();
        station.phone.Timer3Timer();
        EXPECT_EQ(Utf8(panel().lblMailSend.Caption), "宛先が見つかりません") << address;
        station.phone.Timer3Timer();
        EXPECT_FALSE(panel().lblMailSend.Visible) << address;
        EXPECT_FALSE(station.phone.window.Timer3.Enabled) << address;
        station.phone.lblButtonRightClick(); // back to the menu
    }
    EXPECT_TRUE(Inbox("PC01").empty());
    EXPECT_TRUE(Inbox("PC02").empty());
    EXPECT_TRUE(SentLog().empty());
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(station.phone.mail.SentCount, 0);
}

// Inbox files copied from a Windows share may be named in capitals; the address book offers them
// by name, and a name typed in another case reaches the same station, as it does there.
TEST_F(MailSending, AStationIsReachedWhateverTheLetterCaseOfItsInboxOrOfTheTypedName) {
    classroom.Write("mail_box/LOG_PC03.DAT", "\n");
    SendMailTo(station, "PC03", "大文字", "a");
    SendMailTo(station, "pc02", "小文字", "b");
    EXPECT_EQ(RecordLines(classroom, "mail_box/LOG_PC03.DAT").size(), 1u);
    ASSERT_EQ(Inbox("PC02").size(), 1u);
    EXPECT_NE(Inbox("PC02")[0].find("#c#pc02#c#小文字#c#"), std::string::npos); // the recipient as typed
    EXPECT_EQ(station.phone.mail.SentCount, 2);
}

TEST_F(MailSending, AMailToAnAbsentStationStaysOnTheScreenToBeSentOnceItIsThere) {
    SendMailTo(station, "PC03", "待って", "本文");
    EXPECT_EQ(station.phone.mail.ScreenMode, "NM");
    EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), "PC03");
    EXPECT_EQ(station.phone.mail.SentCount, 0);
    classroom.Write("mail_box/log_PC03.dat", "\n"); // PC03 starts
    SendWrittenMail(station);
    EXPECT_EQ(Inbox("PC03").size(), 1u);
    EXPECT_EQ(station.phone.mail.SentCount, 1);
    EXPECT_EQ(station.phone.mail.ScreenMode, "M");
}

TEST_F(MailSending, TheSpamAddressFillsTheOwnInboxOneMailPerLine) {
    classroom.Write("spam_Mail/spam_Mail.txt", "当選#c#おめでとう#c#ございます\nno separator here\n\n請求#c#払ってください\n");
    SendMailTo(station, "spam_Mail", "会員登録します", "メールを送ります");
    const std::string head = "spam_Mail#c#10.0.0.1#c#" + kStamp + "#c#PC01#c#";
    EXPECT_EQ(Inbox("PC01"), (std::vector<std::string>{head + "当選#c#おめでとう#c#ございます",
                                                       head + "#c#no separator here", head + "請求#c#払ってください"}));
    EXPECT_EQ(SentLog(), std::vector<std::string>{"PC01#c#10.0.0.1#c#" + kStamp +
                                                  "#c#spam_Mail#c#会員登録します#c#メールを送ります"});
    station.phone.Timer1Timer();
    ASSERT_EQ(station.phone.mail.ReceivedCount, 3);
    EXPECT_EQ(station.phone.mail.ReceivedMails[1].Subject, u"");
    EXPECT_EQ(station.phone.mail.ReceivedMails[1].Body, u"no separator here");

    // A reply to the spam sender brings the same spam again.
    ChooseMenuRow(station, 0);
    station.phone.lblButtonLeftClick();
    EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), "spam_Mail");
    SendWrittenMail(station);
    EXPECT_EQ(Inbox("PC01").size(), 3u);
}

TEST_F(MailSending, AMissingSpamFileIsReportedAndTheMailStaysWritten) {
    std::filesystem::remove(classroom.root / "data/spam_Mail/spam_Mail.txt");
    SendMailTo(station, "spam_Mail", "会員登録します", "メールを送ります");
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_EQ(station.phone.mail.ScreenMode, "NM");
    EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), "spam_Mail");
    EXPECT_TRUE(SentLog().empty());
    EXPECT_FALSE(station.phone.window.Timer3.Enabled);
}

TEST_F(MailSending, ThePhotoRegistrationAnswersWithTheProfileLink) {
    WriteBinary("tmp_photo/PC01.jpg", "first shot");
    WriteMail(station, "send_Photo_Mail", "プロフに写真を登録", "");
    AttachPhoto(u"PC01134512.jpg");
    SendWrittenMail(station);
    EXPECT_EQ(classroom.Read("mail_photo/PC01134512.jpg"), "first shot");
    EXPECT_EQ(Inbox("PC01"), std::vector<std::string>{
                                 "send_Photo_Mail#c#10.0.0.1#c#" + kStamp + "#c#PC01#c#写真を登録しました#c#"
                                 "「PC01134512」で写真を登録しました。プロフの作成はhttp://velquin.invalid/"
                                 "prof_write.htmlから。下の「表示」をクリックしてください↓"});
    EXPECT_EQ(SentLog(), std::vector<std::string>{"PC01#c#10.0.0.1#c#" + kStamp +
                                                  "#c#send_Photo_Mail#c#プロフに写真を登録#c#{Photo}PC01134512.jpg"});
    EXPECT_EQ(Log(), std::vector<std::string>{"PC01,10.0.0.1," + kStamp + ",写真つきメール送信,"});
    EXPECT_EQ(station.phone.mail.SentMails[0].Body, u"");
    EXPECT_EQ(station.phone.mail.SentMails[0].Photo, u"PC01134512.jpg");

    // Another shot under the same name is never copied over the one the receivers already have.
    WriteBinary("tmp_photo/PC01.jpg", "second shot");
    WriteMail(station, "PC02", "また", "");
    AttachPhoto(u"PC01134512.jpg");
    SendWrittenMail(station);
    EXPECT_EQ(classroom.Read("mail_photo/PC01134512.jpg"), "first shot");
    EXPECT_EQ(classroom.Read("mail_photo/PC01134512-2.jpg"), "second shot");
}

TEST_F(MailSending, ThePhotoRegistrationWithoutAPhotoAsksForOne) {
    SendMailTo(station, "send_Photo_Mail", "プロフに写真を登録", "「カメラ」で「撮影」してください");
    EXPECT_EQ(Inbox("PC01"), std::vector<std::string>{"send_Photo_Mail#c#10.0.0.1#c#" + kStamp +
                                                      "#c#PC01#c#写真が送信されませんでした#c#写真が送信されませんでした。"
                                                      "　このアドレスに、写真を返信してください。"});
    EXPECT_EQ(Log(), std::vector<std::string>{"PC01,10.0.0.1," + kStamp + ",メール送信,"});
}

TEST_F(MailSending, AFailedDeliveryKeepsTheFieldsAndMakesNoEntry) {
    WriteMail(station, "send_Photo_Mail", "件名", "本文");
    std::filesystem::remove(classroom.root / "data/mail_box/log_PC01.dat");
    SendWrittenMail(station);
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_EQ(Utf8(panel().txtNewBody.Text), "本文");
    EXPECT_EQ(station.phone.mail.SentCount, 0);
    EXPECT_TRUE(SentLog().empty());
    EXPECT_FALSE(station.phone.window.Timer3.Enabled);
}

TEST_F(MailSending, TheArrivalShakeCirclesTheRestingPlaceFourTimes) {
    station.phone.FormHitTest(false, 0, 100, 200); // left 100, top 200
    AppendSharedLineOrFail(classroom.DataRoot() + "mail_box/log_PC01.dat", "PC02#c#a#c#t#c#PC01#c#s#c#b");
    station.phone.Timer1Timer();
    const std::vector<std::pair<int, int>> round{{115, 185}, {100, 200}, {85, 215}, {100, 200},
                                                 {85, 185},  {100, 200}, {115, 215}, {100, 200}};
    const PhoneWindow& w = station.phone.window;
    for (int step = 0; step < 32; ++step) {
        ASSERT_TRUE(w.Timer2.Enabled) << step;
        panel().lblMailSend.Visible = false;
        station.phone.Timer2Timer();
        const auto [left, top] = round[static_cast<std::size_t>(step % 8)];
        EXPECT_EQ(w.form.Left, left) << step;
        EXPECT_EQ(w.form.Top, top) << step;
        if (step % 8 == 0) {
            EXPECT_TRUE(panel().lblMailSend.Visible) << step;
        }
    }
    EXPECT_FALSE(w.Timer2.Enabled);
    EXPECT_FALSE(panel().lblMailSend.Visible);
    EXPECT_EQ(Utf8(panel().lblMailSend.Caption), "メールを受信しました");
}

TEST_F(MailSending, AWindowNeverTouchedShakesWhereItStands) {
    const int left = station.phone.window.form.Left;
    const int top = station.phone.window.form.Top;
    AppendSharedLineOrFail(classroom.DataRoot() + "mail_box/log_PC01.dat", "PC02#c#a#c#t#c#PC01#c#s#c#b");
    station.phone.Timer1Timer();
    station.phone.Timer2Timer();
    EXPECT_EQ(station.phone.window.form.Left, left + 15);
    EXPECT_EQ(station.phone.window.form.Top, top - 15);
    RunShake(station);
    EXPECT_EQ(station.phone.window.form.Left, left);
    EXPECT_EQ(station.phone.window.form.Top, top);
}

TEST_F(MailSending, TheTwoTeachingPagesOpenAPreparedMail) {
    station.Open("risk/send_spam_mail2.html");
    EXPECT_EQ(station.phone.mail.ScreenMode, "NM");
    EXPECT_TRUE(station.phone.window.pnlMail.Visible);
    EXPECT_EQ(station.phone.window.WebBrowser1.Left, 500);
    EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), "spam_Mail");
    EXPECT_EQ(Utf8(panel().txtNewSubject.Text), "会員登録します");
    EXPECT_EQ(Utf8(panel().txtNewBody.Text), "メールを送ります");

    station.phone.BitBtnDownClick(); // home
    station.browser.RunLoop();
    station.Open("prof/send_photo_mail.html");
    EXPECT_EQ(station.phone.mail.ScreenMode, "NM");
    EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), "send_Photo_Mail");
    EXPECT_EQ(Utf8(panel().txtNewSubject.Text), "プロフに写真を登録");
    EXPECT_EQ(Utf8(panel().txtNewBody.Text), "「カメラ」で「撮影」してください");
    EXPECT_EQ(Utf8(panel().lblButtonUp.Caption), "カメラ");
}
