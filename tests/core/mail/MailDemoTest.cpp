#include "support/Classroom.h"
#include "support/DemoRun.h"

#include <gtest/gtest.h>

#include <string>

using namespace vqtest;

TEST(MailDemo, TwoStationsMailShakeAndBroadcast) {
    Classroom classroom;
    classroom.UseSampleContent();
    const std::string out = RunDemoScript(classroom, "mail-demo.vqs");
    EXPECT_EQ(out.find("] error "), std::string::npos) << out;
    EXPECT_TRUE(Prints(out, "[PC01] lblMailSend=メール送信中 (shown)")) << out;
    EXPECT_TRUE(Prints(out, "[PC02] form=503,-15")) << out; // the first step of the shake
    EXPECT_TRUE(Prints(out, "[PC02] txtNewBody=明日の持ち物を教えて。\\n体操服はいる？ (shown)")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] ListBox1.items=Re:こんにちは")) << out;
    EXPECT_TRUE(Prints(out, "[PC02] ListBox1.items=連絡 | こんにちは")) << out;
}

TEST(MailDemo, SpamAfterTheSignUpAndThePhotoRegistrationAnswer) {
    Classroom classroom;
    classroom.UseSampleContent();
    const std::string out = RunDemoScript(classroom, "mail-risk-demo.vqs");
    EXPECT_EQ(out.find("] error "), std::string::npos) << out;
    EXPECT_TRUE(Prints(out, "[PC01] ComboBoxMail=spam_Mail (shown)")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] ReceivedCount=4")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] MailLinkTarget=$DATA/risk/adult.html")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] lblMailAddress=差出人 send_Photo_Mail (shown)")) << out;
}
