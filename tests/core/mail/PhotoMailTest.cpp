#include "platform/Files.h"
#include "platform/Jpeg.h"
#include "platform/TestPatternCapture.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/DemoRun.h"
#include "support/MailDesk.h"
#include "support/PhotoDesk.h"
#include "support/ProfileSite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace vq;
using namespace vqtest;

namespace {

// Two pupils with cameras on one classroom folder.
class PhotoMail : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        pc01.Start();
        pc02.Start();
    }
    // The next poll brings the mail; the station opens its received box, which shows the newest.
    static void ReadNewestMail(Station& station) {
        station.phone.Timer1Timer();
        RunShake(station);
        if (station.phone.mail.ScreenMode != "M") OpenMailMenu(station);
        ChooseMenuRow(station, 0);
    }
    std::string Data(const std::string& relative) const { return classroom.DataRoot() + relative; }

    Classroom classroom;
    ManualClock clock{{2026, 12, 7, 13, 45, 12, 0}};
    TestPatternCapture camera01{clock};
    TestPatternCapture camera02{clock};
    Station pc01{classroom, "PC01", clock, "192.168.0.11", &camera01};
    Station pc02{classroom, "PC02", clock, "192.168.0.12", &camera02};
};

} // namespace

TEST_F(PhotoMail, TheReceiverSeesThePhotoAndAReplySendsItBackUnderItsName) {
    WriteMail(pc01, "PC02", "写真", "見てね");
    TakePhoto(pc01);
    SendWrittenMail(pc01);
    const std::string shot = ReadAll(Data("tmp_photo/PC01.jpg"));
    EXPECT_EQ(ReadAll(Data("mail_photo/PC0120261207134512.jpg")), shot);

    clock.AdvanceSeconds(25);
    ReadNewestMail(pc02);
    const MailPanel& seen = pc02.phone.mailPanel;
    EXPECT_TRUE(seen.pnlPhoto2.Visible);
    EXPECT_EQ(Utf8(seen.txtNewBody.Text), "見てね");
    EXPECT_EQ(pc02.phone.mail.CurrentPhoto, u"PC0120261207134512.jpg");
    EXPECT_EQ(seen.imgPhoto.image.pixels, DecodeJpeg(shot).pixels);
    EXPECT_NE(classroom.Read("log/log_PC02.dat").find(",写真つきメール受信,"), std::string::npos);

    // PC02 has never taken a photo: the reply passes the received one on without copying anything.
    pc02.phone.lblButtonLeftClick();
    EXPECT_EQ(pc02.phone.mail.ScreenMode, "NM");
    EXPECT_TRUE(seen.pnlPhoto2.Visible);
    EXPECT_EQ(Utf8(seen.lblButtonUp.Caption), "カメラ");
    pc02.phone.mailPanel.txtNewBody.Text = u"いいね";
    SendWrittenMail(pc02);
    const auto toPc01 = RecordLines(classroom, "mail_box/log_PC01.dat");
    ASSERT_EQ(toPc01.size(), 1u);
    EXPECT_TRUE(toPc01[0].ends_with("#c#PC01#c#Re:写真#c#いいね{Photo}PC0120261207134512.jpg")) << toPc01[0];
    EXPECT_FALSE(classroom.Exists("tmp_photo/PC02.jpg"));
    EXPECT_EQ(ReadAll(Data("mail_photo/PC0120261207134512.jpg")), shot);

    ReadNewestMail(pc01);
    EXPECT_TRUE(pc01.phone.mailPanel.pnlPhoto2.Visible);
    EXPECT_EQ(pc01.phone.mail.CurrentPhoto, u"PC0120261207134512.jpg");
    EXPECT_TRUE(pc01.errors.messages.empty());
    EXPECT_TRUE(pc02.errors.messages.empty());
}

// The received photo went away after the mail was shown (saving the lesson moves mail_photo/). The
// reply neither goes out naming a file that is gone nor puts the replier's own last shot under that
// name, where every receiver of the first mail would see it: the pupil is told and keeps the reply.
TEST_F(PhotoMail, AReplyWhosePhotoIsGoneIsNotSentAndNoOtherPictureTakesItsName) {
    WriteMail(pc01, "PC02", "写真", "見てね");
    TakePhoto(pc01);
    SendWrittenMail(pc01);
    clock.AdvanceSeconds(25);
    WriteMail(pc02, "PC01", "ぼくも", "");
    TakePhoto(pc02);
    SendWrittenMail(pc02);
    ReadNewestMail(pc02);
    ASSERT_EQ(pc02.phone.mail.CurrentPhoto, u"PC0120261207134512.jpg");
    std::filesystem::remove(classroom.root / "data/mail_photo/PC0120261207134512.jpg");

    pc02.phone.lblButtonLeftClick();
    pc02.phone.mailPanel.txtNewBody.Text = u"いいね";
    SendWrittenMail(pc02);
    ASSERT_EQ(pc02.errors.messages.size(), 1u);
    EXPECT_NE(pc02.errors.messages[0].find("PC0120261207134512.jpg"), std::string::npos) << pc02.errors.messages[0];
    EXPECT_FALSE(classroom.Exists("mail_photo/PC0120261207134512.jpg"));
    EXPECT_EQ(RecordLines(classroom, "mail_box/log_PC01.dat").size(), 1u); // PC02's own photo mail alone
    EXPECT_EQ(pc02.phone.mail.ScreenMode, "NM");
    EXPECT_EQ(Utf8(pc02.phone.mailPanel.txtNewBody.Text), "いいね");

    // As the message says: カメラ takes the photo off, and the reply goes without one.
    PressCameraKey(pc02);
    SendWrittenMail(pc02);
    const auto toPc01 = RecordLines(classroom, "mail_box/log_PC01.dat");
    ASSERT_EQ(toPc01.size(), 2u);
    EXPECT_TRUE(toPc01[1].ends_with("#c#Re:写真#c#いいね")) << toPc01[1];
}

// A pupil types the marker and the name of a classmate's photo into a body: the receiver sees the
// text as typed, no photo, and no photo mail is billed on either side.
TEST_F(PhotoMail, AMarkerTypedIntoTheBodyIsText) {
    WriteMail(pc02, "PC01", "写真", "");
    TakePhoto(pc02); // a photo PC02 sent to PC01 alone
    SendWrittenMail(pc02);
    ASSERT_TRUE(classroom.Exists("mail_photo/PC0220261207134512.jpg"));

    const std::string typed = "look{Photo}PC0220261207134512.jpg";
    WriteMail(pc01, "PC02", "見て", typed);
    SendWrittenMail(pc01);
    ReadNewestMail(pc02);
    EXPECT_EQ(Utf8(pc02.phone.mailPanel.txtNewBody.Text), typed);
    EXPECT_FALSE(pc02.phone.mailPanel.pnlPhoto2.Visible);
    EXPECT_EQ(classroom.Read("log/log_PC02.dat").find("写真つきメール受信"), std::string::npos);
    EXPECT_EQ(classroom.Read("log/log_PC01.dat").find("写真つきメール送信"), std::string::npos);

    // The sender's sent box shows it as typed as well.
    RunSendNotice(pc01);
    if (pc01.phone.mail.ScreenMode != "M") OpenMailMenu(pc01);
    ChooseMenuRow(pc01, 1);
    EXPECT_EQ(Utf8(pc01.phone.mailPanel.txtNewBody.Text), typed);
    EXPECT_FALSE(pc01.phone.mailPanel.pnlPhoto2.Visible);
    EXPECT_TRUE(pc01.errors.messages.empty()) << pc01.errors.messages[0];
    EXPECT_TRUE(pc02.errors.messages.empty()) << pc02.errors.messages[0];
}

// A photo mail whose text holds a typed marker too keeps both: the text as typed and the photo.
TEST_F(PhotoMail, APhotoMailWithATypedMarkerShowsBoth) {
    WriteMail(pc01, "PC02", "写真", "a{Photo}b");
    TakePhoto(pc01);
    SendWrittenMail(pc01);
    ReadNewestMail(pc02);
    EXPECT_EQ(Utf8(pc02.phone.mailPanel.txtNewBody.Text), "a{Photo}b");
    EXPECT_TRUE(pc02.phone.mailPanel.pnlPhoto2.Visible);
    EXPECT_EQ(pc02.phone.mail.CurrentPhoto, u"PC0120261207134512.jpg");
}

TEST_F(PhotoMail, APhotoThatIsNoReadablePictureIsReportedWhenShown) {
    WriteMail(pc01, "PC02", "写真", "見てね");
    TakePhoto(pc01);
    SendWrittenMail(pc01);
    // Cut short, as by a copy that broke off: the start still looks like a JPEG.
    RewriteFile(Data("mail_photo/PC0120261207134512.jpg"), ReadAll(Data("tmp_photo/PC01.jpg")).substr(0, 300));

    ReadNewestMail(pc02);
    ASSERT_EQ(pc02.errors.messages.size(), 1u);
    EXPECT_NE(pc02.errors.messages[0].find("PC0120261207134512.jpg"), std::string::npos);
    EXPECT_FALSE(pc02.phone.mailPanel.pnlPhoto2.Visible);
    EXPECT_TRUE(pc02.phone.mailPanel.imgPhoto.image.empty());
}

TEST_F(PhotoMail, APhotoClaimingToBeHugeIsReportedByNameAndThePhoneGoesOn) {
    WriteMail(pc01, "PC02", "写真", "見てね");
    TakePhoto(pc01);
    SendWrittenMail(pc01);
    RewriteFile(Data("mail_photo/PC0120261207134512.jpg"), JpegClaimingSize(65488, 65488));

    ReadNewestMail(pc02);
    ASSERT_EQ(pc02.errors.messages.size(), 1u);
    EXPECT_NE(pc02.errors.messages[0].find("PC0120261207134512.jpg"), std::string::npos) << pc02.errors.messages[0];
    EXPECT_FALSE(pc02.phone.mailPanel.pnlPhoto2.Visible);
}

TEST(PhotoRegistration, TheAnswersLinkOpensProfileCreationWithThePhoto) {
    Classroom classroom;
    classroom.UseSampleContent();
    ManualClock clock{{2026, 12, 7, 13, 45, 12, 0}};
    TestPatternCapture camera{clock};
    Station pc01{classroom, "PC01", clock, "192.168.0.11", &camera};
    pc01.Start();

    pc01.Open("prof/send_photo_mail.html");
    const MailPanel& panel = pc01.phone.mailPanel;
    ASSERT_EQ(pc01.phone.mail.ScreenMode, "NM");
    EXPECT_EQ(Utf8(panel.ComboBoxMail.Text), "send_Photo_Mail");
    TakePhoto(pc01);
    SendWrittenMail(pc01);
    ChooseMenuRow(pc01, 0);
    EXPECT_EQ(ListRows(pc01)[0], "写真を登録しました");
    EXPECT_TRUE(Utf8(panel.txtNewBody.Text).starts_with("「PC0120261207134512」で写真を登録しました。"));
    EXPECT_FALSE(panel.pnlPhoto2.Visible); // the answer carries no photo; CurrentPhoto stays the shot
    ASSERT_TRUE(panel.lblButtonCenter.Visible);
    EXPECT_EQ(Utf8(panel.lblButtonCenter.Caption), "表示");

    pc01.phone.lblButtonCenterClick();
    pc01.browser.RunLoop();
    const std::string photo = "mail_photo/PC0120261207134512.jpg";
    EXPECT_NE(classroom.Read("prof/tmpPC01.html").find(classroom.DataRoot() + photo), std::string::npos);

    pc01.Fill(1, "sakura");
    pc01.Fill(2, "さくら");
    pc01.Open(VirtualPage("prof_new3.html"));
    const auto stored = DataLines(classroom, "prof_edit/134512PC01.dat");
    ASSERT_GE(stored.size(), 4u);
    EXPECT_EQ(stored[1], photo);
    EXPECT_EQ(stored[3], "さくら");
    EXPECT_NE(classroom.Read("prof_html/134512PC01.html").find(photo), std::string::npos);
    EXPECT_TRUE(pc01.errors.messages.empty());
}

TEST(PhotoMailDemo, APhotoTravelsThereAndBackAndBecomesAProfilePicture) {
    Classroom classroom;
    classroom.UseSampleContent();
    const std::string out = RunDemoScript(classroom, "photo-mail-demo.vqs");
    EXPECT_EQ(out.find("] error "), std::string::npos) << out;
    EXPECT_TRUE(Prints(out, "[PC01] lblButtonUp=撮影 (shown)")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] CurrentPhoto=PC0120261207134512.jpg")) << out;
    EXPECT_TRUE(Prints(out, "[PC02] CurrentPhoto=PC0120261207134512.jpg")) << out;
    EXPECT_TRUE(Prints(out, "[PC02] pnlPhoto2=shown")) << out;
    EXPECT_TRUE(Prints(out, "[PC02] txtNewBody=校庭の花だよ。 (shown)")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] lblButtonCenter=表示 (shown)")) << out;
    EXPECT_TRUE(Prints(out, "[PC01] address=$DATA/prof/tmpPC01.html")) << out;
    const auto profile = DataLines(classroom, "prof_edit/134602PC01.dat");
    ASSERT_GE(profile.size(), 2u);
    EXPECT_EQ(profile[1], "mail_photo/PC0120261207134602.jpg");
    EXPECT_EQ(ReadAll(classroom.DataRoot() + "mail_photo/PC0120261207134602.jpg"),
              ReadAll(classroom.DataRoot() + "tmp_photo/PC01.jpg"));
}
