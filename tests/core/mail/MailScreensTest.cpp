#include "platform/Files.h"
#include "platform/Jpeg.h"
#include "platform/LockedFile.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/MailDesk.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vq;
using namespace vqtest;

namespace {

class MailScreens : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        station.Start();
    }
    // A mail from another station lies in PC01's inbox.
    void Arrive(const std::string& from, const std::string& subject, const std::string& body) const {
        AppendSharedLineOrFail(classroom.DataRoot() + "mail_box/log_PC01.dat",
                   Utf8ToCp932(from + "#c#10.0.0.9#c#2026/12/07 8:00:00#c#PC01#c#" + subject + "#c#" + body));
    }
    void OpenReceivedBox() {
        OpenMailMenu(station);
        ChooseMenuRow(station, 0);
    }
    MailPanel& panel() { return station.phone.mailPanel; }
    const std::string& mode() { return station.phone.mail.ScreenMode; }

    Classroom classroom;
    ManualClock clock{{2026, 12, 7, 9, 0, 0, 0}};
    Station station{classroom, "PC01", clock, "10.0.0.1"};
};

} // namespace

TEST_F(MailScreens, TheLeftKeyOpensTheMenuOverTheScreenAndPolls) {
    classroom.Write("mail_box/log_PC02.dat", "\n");
    Arrive("PC02", "Hi", "body");
    OpenMailMenu(station);
    EXPECT_EQ(mode(), "M");
    const PhoneWindow& w = station.phone.window;
    EXPECT_TRUE(w.pnlMail.Visible);
    EXPECT_EQ(w.pnlMail.Left, 30);
    EXPECT_EQ(w.pnlMail.Top, 55);
    EXPECT_FALSE(w.pnlURL.Visible);
    EXPECT_EQ(w.WebBrowser1.Left, 500);
    EXPECT_EQ(Utf8(panel().lblMailTitle.Caption), "メール PC01");
    EXPECT_EQ(ListRows(station), (std::vector<std::string>{"メール受信 Box", "メール送信 Box", "新規メール作成"}));
    for (const Control* hidden : std::initializer_list<const Control*>{
             &panel().txtNewBody, &panel().ComboBoxMail, &panel().lblButtonLeft, &panel().lblButtonUp,
             &panel().lblButtonCenter})
        EXPECT_FALSE(hidden->Visible);
    EXPECT_TRUE(panel().lblButtonRight.Visible);
    EXPECT_EQ(panel().ComboBoxMail.Items, (std::vector<std::u16string>{u"PC01", u"PC02"}));
    EXPECT_EQ(station.phone.mail.ReceivedCount, 1);
}

TEST_F(MailScreens, TheMailStartPageBringsTheStartPageBackBehindTheMenu) {
    station.Open("kyouzai/contents/study/koumin.html");
    station.Open(std::string("http://velquin.invalid/MailStart.html"));
    EXPECT_EQ(mode(), "M");
    EXPECT_EQ(station.browser.CurrentAddress(), station.phone.StartPage);
    EXPECT_TRUE(station.phone.window.pnlMail.Visible);
}

TEST_F(MailScreens, AnEmptyReceivedBoxOffersNeitherReplyNorDelete) {
    OpenReceivedBox();
    EXPECT_EQ(mode(), "RM");
    EXPECT_TRUE(panel().ListBox1.Items.empty());
    EXPECT_EQ(Utf8(panel().lblMailAddress.Caption), "差出人");
    EXPECT_EQ(Utf8(panel().lblNewBody.Caption), "日時");
    EXPECT_FALSE(panel().lblButtonLeft.Visible);
    EXPECT_FALSE(panel().lblButtonUp.Visible);
    EXPECT_TRUE(panel().txtNewBody.Visible);
}

TEST_F(MailScreens, ABoxShowsTheNewestMailAtOnceAndAReplyKeepsItsText) {
    Arrive("PC03", "old", "older text");
    Arrive("PC02", "Hi", "一行目\\n二行目");
    OpenReceivedBox();
    EXPECT_EQ(ListRows(station), (std::vector<std::string>{"Hi", "old"}));
    EXPECT_EQ(panel().ListBox1.ItemIndex, 0);
    EXPECT_EQ(Utf8(panel().lblMailAddress.Caption), "差出人 PC02");
    EXPECT_EQ(Utf8(panel().lblNewBody.Caption), "日時 2026/12/07 8:00:00");
    EXPECT_EQ(Utf8(panel().txtNewBody.Text), "一行目\r\n二行目");
    EXPECT_EQ(Utf8(panel().lblButtonLeft.Caption), "返信");
    EXPECT_TRUE(panel().lblButtonUp.Visible);

    station.phone.lblButtonLeftClick(); // reply
    EXPECT_EQ(mode(), "NM");
    EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), "PC02");
    EXPECT_EQ(Utf8(panel().txtNewSubject.Text), "Re:Hi");
    EXPECT_EQ(Utf8(panel().txtNewBody.Text), "一行目\r\n二行目");
    EXPECT_EQ(Utf8(panel().lblButtonUp.Caption), "カメラ");
    EXPECT_EQ(Utf8(panel().lblMailTitle.Caption), "新規メール作成 PC01");
}

TEST_F(MailScreens, ReEditingASentMailAddressesItAgain) {
    classroom.Write("mail_box/log_PC02.dat", "\n");
    SendMailTo(station, "PC02", "件名", "本文");
    RunSendNotice(station);
    ChooseMenuRow(station, 1);
    EXPECT_EQ(mode(), "SM");
    EXPECT_EQ(Utf8(panel().lblMailAddress.Caption), "宛先 PC02");
    EXPECT_EQ(Utf8(panel().lblButtonLeft.Caption), "再編集");
    station.phone.lblButtonLeftClick();
    EXPECT_EQ(mode(), "NM");
    EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), "PC02");
    EXPECT_EQ(Utf8(panel().txtNewSubject.Text), "件名");
    EXPECT_EQ(Utf8(panel().txtNewBody.Text), "本文");
}

TEST_F(MailScreens, DeletingRowsSelectsTheNextOlderOrTheOneAbove) {
    for (const char* s : {"m1", "m2", "m3", "m4"}) Arrive("PC02", s, std::string("text ") + s);
    OpenReceivedBox(); // rows: m4 m3 m2 m1
    panel().ListBox1.ItemIndex = 1;
    station.phone.lblButtonUpClick(); // middle row: the row number stays, now the next older mail
    EXPECT_EQ(ListRows(station), (std::vector<std::string>{"m4", "m2", "m1"}));
    EXPECT_EQ(panel().ListBox1.ItemIndex, 1);
    EXPECT_EQ(Utf8(panel().txtNewBody.Text), "text m2");
    panel().ListBox1.ItemIndex = 2;
    station.phone.lblButtonUpClick(); // last row: the one above
    EXPECT_EQ(ListRows(station), (std::vector<std::string>{"m4", "m2"}));
    EXPECT_EQ(panel().ListBox1.ItemIndex, 1);
    EXPECT_EQ(station.phone.mail.ReceivedCount, 2);
    // Deleting changes memory only.
    EXPECT_EQ(classroom.Read("mail_box/log_PC01.dat"), "\r\n");
}

TEST_F(MailScreens, DeletingTheOnlyMailEmptiesTheScreenButTheBackKeyStillWorks) {
    Arrive("PC02", "only", "see http://velquin.invalid/prof_write.html");
    OpenReceivedBox();
    EXPECT_TRUE(panel().lblButtonCenter.Visible);
    station.phone.lblButtonUpClick();
    EXPECT_TRUE(panel().ListBox1.Items.empty());
    EXPECT_EQ(Utf8(panel().lblMailAddress.Caption), "差出人");
    EXPECT_EQ(Utf8(panel().lblNewBody.Caption), "日時 ");
    EXPECT_TRUE(panel().txtNewBody.Text.empty());
    EXPECT_FALSE(panel().lblButtonLeft.Visible);
    EXPECT_FALSE(panel().lblButtonUp.Visible);
    EXPECT_FALSE(panel().lblButtonCenter.Visible);
    station.phone.lblButtonRightClick();
    EXPECT_EQ(mode(), "M");
}

TEST_F(MailScreens, TheBackKeyWalksFromEveryScreenTowardsTheWeb) {
    station.Open("kyouzai/contents/study/koumin.html");
    const auto navigations = [&] {
        return std::count_if(station.trace.events.begin(), station.trace.events.end(),
                             [](const std::string& e) { return e.starts_with("navigate ") || e.starts_with("before "); });
    };
    const auto loads = navigations();
    OpenMailMenu(station);
    ChooseMenuRow(station, 2);
    panel().ComboBoxMail.Text = u"PC09";
    station.phone.lblButtonRightClick();
    EXPECT_EQ(mode(), "M");
    EXPECT_TRUE(panel().ComboBoxMail.Text.empty());
    station.phone.lblButtonRightClick();
    EXPECT_EQ(mode(), "W");
    EXPECT_FALSE(station.phone.window.pnlMail.Visible);
    EXPECT_EQ(station.phone.window.WebBrowser1.Left, 30);
    // The page shown before comes back as it was, without loading it again.
    EXPECT_EQ(navigations(), loads);
    EXPECT_NE(station.browser.CurrentAddress().find("koumin.html"), std::string::npos);
    station.phone.lblButtonRightClick();
    EXPECT_EQ(mode(), "WM");
    EXPECT_TRUE(station.phone.window.pnlURL.Visible);
    station.phone.btnURLClick();
    station.browser.RunLoop();
    EXPECT_EQ(mode(), "W");
    EXPECT_EQ(station.browser.CurrentAddress(), station.phone.StartPage);
}

TEST_F(MailScreens, AReceivedPhotoIsShownAndBecomesTheCurrentPhoto) {
    WriteJpegFile(classroom.DataRoot() + "mail_photo/PC02134512.jpg", RgbImage(160, 120), 100);
    Arrive("PC02", "photo", "見て{Photo}PC02134512.jpg");
    OpenReceivedBox();
    EXPECT_TRUE(panel().pnlPhoto2.Visible);
    EXPECT_EQ(panel().imgPhoto.pictureFile, classroom.DataRoot() + "mail_photo/PC02134512.jpg");
    EXPECT_EQ(panel().imgPhoto.image.width, 160);
    EXPECT_EQ(Utf8(panel().txtNewBody.Text), "見て");
    EXPECT_EQ(station.phone.mail.CurrentPhoto, u"PC02134512.jpg");
    EXPECT_TRUE(station.errors.messages.empty());
}

TEST_F(MailScreens, AMissingPhotoIsReportedAndTheBodyFieldKeepsItsText) {
    Arrive("PC02", "photo", "見て{Photo}PC02000000.jpg");
    Arrive("PC02", "escape", "x{Photo}../log/log_PC01.dat");
    OpenReceivedBox();
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_FALSE(panel().pnlPhoto2.Visible);
    EXPECT_TRUE(panel().txtNewBody.Text.empty());
    EXPECT_EQ(Utf8(panel().lblMailAddress.Caption), "差出人 PC02");
    // A photo name from another station never reaches outside the photo folder.
    EXPECT_NE(station.errors.messages[0].find("写真の名前"), std::string::npos);
    EXPECT_TRUE(station.phone.mail.CurrentPhoto.empty());
    panel().ListBox1.ItemIndex = 1;
    station.phone.ListBox1Click();
    EXPECT_EQ(station.errors.messages.size(), 2u);
    // A photo that cannot be shown is neither attached nor named: a reply must not carry its name.
    EXPECT_FALSE(panel().pnlPhoto2.Visible);
    EXPECT_TRUE(station.phone.mail.CurrentPhoto.empty());
}

TEST_F(MailScreens, TheCentreKeyOpensTheLinkOfTheMailAsALocalPage) {
    Arrive("send_Photo_Mail", "写真を登録しました",
           "「PC01」で写真を登録しました。プロフの作成はhttp://velquin.invalid/prof_write.htmlから。");
    OpenReceivedBox();
    EXPECT_EQ(station.phone.site.MailLinkTarget, classroom.DataRoot() + "prof_write.html");
    EXPECT_TRUE(panel().lblButtonCenter.Visible);
    EXPECT_EQ(panel().lblButtonUp.font, panel().lblButtonCenter.font);
    station.phone.lblButtonCenterClick();
    EXPECT_EQ(mode(), "W");
    EXPECT_FALSE(station.phone.window.pnlMail.Visible);
    const auto& events = station.trace.events;
    EXPECT_NE(std::find(events.begin(), events.end(), "before " + classroom.DataRoot() + "prof_write.html"),
              events.end());
}

TEST_F(MailScreens, MailArrivingWhileTheReceivedBoxIsOpenShowsUpAtTheEndOfTheShake) {
    Arrive("PC02", "first", "1");
    OpenReceivedBox();
    RunShake(station);
    Arrive("PC03", "second", "2");
    station.phone.Timer1Timer();
    EXPECT_EQ(ListRows(station), (std::vector<std::string>{"first"})); // not yet
    RunShake(station);
    EXPECT_EQ(ListRows(station), (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(panel().ListBox1.ItemIndex, 0);
    EXPECT_EQ(Utf8(panel().lblMailAddress.Caption), "差出人 PC03");
}

TEST_F(MailScreens, ReplyingDuringTheShakeAnswersTheMailThatIsShown) {
    Arrive("PC02", "first", "1");
    OpenReceivedBox();
    RunShake(station);
    Arrive("PC03", "second", "2");
    station.phone.Timer1Timer(); // the table has grown; the list has not been refilled yet
    station.phone.lblButtonLeftClick();
    EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), "PC02");
    EXPECT_EQ(Utf8(panel().txtNewSubject.Text), "Re:first");
}
