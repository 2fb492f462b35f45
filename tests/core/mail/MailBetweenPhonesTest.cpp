#include "support/Classroom.h"
#include "support/MailDesk.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

// Two pupils on one classroom folder write to each other, answer, and greet everyone.
TEST(MailBetweenPhones, TwoStationsExchangeRepliesAndABroadcast) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    ManualClock clock({2026, 12, 7, 10, 0, 0, 0});
    Station pc01(classroom, "PC01", clock, "10.0.0.1");
    Station pc02(classroom, "PC02", clock, "10.0.0.2");
    pc01.Start();
    pc02.Start();

    SendMailTo(pc01, "PC02", "Hi", "元気？");
    clock.AdvanceSeconds(25);
    pc02.phone.Timer1Timer();
    EXPECT_TRUE(pc02.phone.window.Timer2.Enabled); // the shake says mail is here
    RunShake(pc02);
    OpenMailMenu(pc02);
    ChooseMenuRow(pc02, 0);
    EXPECT_EQ(Utf8(pc02.phone.mailPanel.lblMailAddress.Caption), "差出人 PC01");
    pc02.phone.lblButtonLeftClick(); // reply
    pc02.phone.mailPanel.txtNewBody.Text = u"元気だよ";
    SendWrittenMail(pc02);

    clock.AdvanceSeconds(25);
    pc01.phone.Timer1Timer();
    ChooseMenuRow(pc01, 0);
    EXPECT_EQ(ListRows(pc01), std::vector<std::string>{"Re:Hi"});
    EXPECT_EQ(Utf8(pc01.phone.mailPanel.txtNewBody.Text), "元気だよ");
    EXPECT_EQ(Utf8(pc01.phone.mailPanel.lblNewBody.Caption), "日時 2026/12/07 10:00:25");

    pc01.phone.lblButtonRightClick();
    SendMailTo(pc01, "全員", "連絡", "明日は体育");
    pc01.phone.Timer1Timer();
    pc02.phone.Timer1Timer();
    EXPECT_EQ(pc01.phone.mail.ReceivedCount, 2);
    EXPECT_EQ(pc02.phone.mail.ReceivedCount, 2);
    EXPECT_EQ(pc02.phone.mail.ReceivedMails[1].Subject, u"連絡");
    EXPECT_EQ(pc01.phone.mailPanel.ComboBoxMail.Items, (std::vector<std::u16string>{u"PC01", u"PC02"}));
    EXPECT_TRUE(pc01.errors.messages.empty());
    EXPECT_TRUE(pc02.errors.messages.empty());
    EXPECT_EQ(RecordLines(classroom, "log/log_PC02.dat"),
              (std::vector<std::string>{"PC02,10.0.0.2,2026/12/07 10:00:25,メール受信,",
                                        "PC02,10.0.0.2,2026/12/07 10:00:25,メール送信,",
                                        "PC02,10.0.0.2,2026/12/07 10:00:50,メール受信,"}));
}
