#include "support/Classroom.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace vqtest;

namespace {

// Runs a demo script of tools/demo with vqsim on the sample classroom and returns what it prints.
std::string RunDemo(const Classroom& classroom, const std::string& script) {
    const std::string command = "cd '" + classroom.root.string() + "' && '" + VQ_VQSIM + "' '" +
                                (SourceDir() / "tools/demo" / script).string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) output.append(buf, n);
        EXPECT_EQ(::pclose(pipe), 0) << output;
    }
    return output;
}

bool Prints(const std::string& output, const std::string& line) { return output.find(line + "\n") != std::string::npos; }

} // namespace

TEST(MailDemo, TwoStationsMailShakeAndBroadcast) {
    Classroom classroom;
    classroom.UseSampleContent();
    const std::string out = RunDemo(classroom, "mail-demo.vqs");
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
    const std::string out = RunDemo(classroom, "mail-risk-demo.vqs");
    EXPECT_EQ(out.find("] error "), std::string::npos) << out;
    EXPECT_TRUE(Prints(out, "[PC01] ComboBoxMail=spam_Mail (shown)")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] ReceivedCount=4")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] MailLinkTarget=$DATA/risk/risk_top.html")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] lblMailAddress=差出人 send_Photo_Mail (shown)")) << out;
}
