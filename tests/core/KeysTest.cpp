#include "site/VirtualSite.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

using namespace vq;
using namespace vqtest;

namespace {

class KeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        station.Start();
    }
    std::string Data(const std::string& relative) const { return classroom.DataRoot() + relative; }
    PhoneWindow& Window() { return station.phone.window; }
    void ExpectBrowserOnScreen() {
        EXPECT_EQ(Window().WebBrowser1.Left, 30);
        EXPECT_EQ(Window().WebBrowser1.Top, 55);
        EXPECT_FALSE(Window().pnlURL.Visible);
        EXPECT_FALSE(Window().pnlMail.Visible);
    }
    void ExpectThreeKeyLayout() {
        EXPECT_EQ(Window().BitBtnLeft.Left, 30);
        EXPECT_EQ(Window().BitBtnNet.Left, 256);
        const Button& home = Window().BitBtnDown;
        EXPECT_EQ((std::array{home.Left, home.Top, home.Width, home.Height}), (std::array{142, 611, 115, 46}));
        EXPECT_EQ(home.glyphFile, Data("body_picture/icon_A_home.bmp"));
    }

    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock};
};

} // namespace

TEST_F(KeysTest, KisekaeOverAMailScreenOpensTheColourPanelAndItsButtonShowsTheStartPage) {
    station.Open("kyouzai/contents/option0-1.html");
    station.phone.mail.ScreenMode = "RM";
    Window().pnlMail.Visible = true;
    Window().WebBrowser1.Left = 500;

    station.Open(std::string(VirtualSiteRoot) + "kisekae.html");
    EXPECT_EQ(station.phone.mail.ScreenMode, "WM");
    EXPECT_TRUE(Window().pnlURL.Visible);
    EXPECT_FALSE(Window().pnlMail.Visible);
    EXPECT_EQ(Window().WebBrowser1.Left, 500);

    station.phone.btnURLClick();
    station.browser.RunLoop();
    EXPECT_EQ(station.phone.mail.ScreenMode, "W");
    ExpectBrowserOnScreen();
    EXPECT_EQ(station.browser.CurrentAddress(), station.phone.StartPage);
}

TEST_F(KeysTest, HomeKeyLeavesAnyScreenForTheStartPageAndClearsThePageFlags) {
    station.Open(std::string(VirtualSiteRoot) + "kisekae.html");
    station.phone.sites.BoardShown = 1;
    station.phone.sites.ChatShown = 1;

    station.phone.BitBtnDownClick();
    station.browser.RunLoop();
    EXPECT_EQ(station.phone.mail.ScreenMode, "W");
    ExpectBrowserOnScreen();
    EXPECT_EQ(station.browser.CurrentAddress(), station.phone.StartPage);
    EXPECT_EQ(station.phone.sites.BoardShown, 0);
    EXPECT_EQ(station.phone.sites.ChatShown, 0);
}

TEST_F(KeysTest, MenuKeyShowsTheSettingsPageButKeepsThePageFlags) {
    station.phone.mail.ScreenMode = "WM";
    Window().pnlURL.Visible = true;
    station.phone.sites.BoardShown = 1;

    station.phone.BitBtnNetClick();
    station.browser.RunLoop();
    EXPECT_EQ(station.phone.mail.ScreenMode, "W");
    ExpectBrowserOnScreen();
    EXPECT_EQ(station.browser.CurrentAddress(), Data("kyouzai/contents/option0-1.html"));
    EXPECT_EQ(station.phone.sites.BoardShown, 1);
}

TEST_F(KeysTest, SwatchTenThenSwatchThreeRestoresTheThreeKeyLayout) {
    station.phone.SpeedButtonClick(10);
    EXPECT_EQ(Window().Image1.pictureFile, Data("body_picture/iPhone_W.bmp"));
    EXPECT_EQ(Window().BitBtnLeft.Left, 1000);
    EXPECT_EQ(Window().BitBtnNet.Left, 1000);
    const Button& home = Window().BitBtnDown;
    EXPECT_EQ((std::array{home.Left, home.Top, home.Width, home.Height}), (std::array{170, 631, 60, 60}));
    EXPECT_EQ(home.glyphFile, Data("body_picture/iPhoneButton.bmp"));

    station.phone.SpeedButtonClick(3);
    EXPECT_EQ(Window().Image1.pictureFile, Data("body_picture/smartphoneB.bmp"));
    ExpectThreeKeyLayout();
    EXPECT_TRUE(station.errors.messages.empty());
}

TEST_F(KeysTest, SwatchesKeepTheColourPanelOpen) {
    station.Open(std::string(VirtualSiteRoot) + "kisekae.html");
    for (int swatch : {7, 8, 9, 1}) station.phone.SpeedButtonClick(swatch);
    EXPECT_EQ(Window().Image1.pictureFile, Data("body_picture/smartphoneK.bmp"));
    EXPECT_TRUE(Window().pnlURL.Visible);
    EXPECT_EQ(station.phone.mail.ScreenMode, "WM");
}

TEST_F(KeysTest, AMissingBodyPictureLeavesTheOneKeySkinUnchangedAndIsReported) {
    const std::string before = Window().Image1.pictureFile;
    std::filesystem::remove(classroom.root / "data/body_picture/iPhone_W.bmp");
    station.phone.SpeedButtonClick(10);
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_EQ(Window().Image1.pictureFile, before);
    EXPECT_EQ(Window().BitBtnLeft.Left, 30);
    EXPECT_EQ(Window().BitBtnDown.Left, 142);
}

// A body picture that claims more pixels than the phone's body has is refused from its header, before
// anything is decoded, and named.
TEST_F(KeysTest, ABodyPictureLargerThanTheBodyIsRefusedByName) {
    const std::string before = Window().Image1.pictureFile;
    std::string header = "BM";
    header += std::string("\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00", 16);
    header += std::string("\x20\x4E\x00\x00\x20\x4E\x00\x00\x01\x00\x18\x00", 12); // 20000 x 20000, 24 bits
    header += std::string(24, '\0');
    classroom.WriteBytes("body_picture/chocolate.bmp", header);
    station.phone.SpeedButtonClick(7);
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_NE(station.errors.messages[0].find("chocolate.bmp"), std::string::npos) << station.errors.messages[0];
    EXPECT_NE(station.errors.messages[0].find("20000"), std::string::npos) << station.errors.messages[0];
    EXPECT_EQ(Window().Image1.pictureFile, before);
}

TEST_F(KeysTest, AMissingGlyphKeepsTheNewKeyPlacesWithTheOldGlyph) {
    station.phone.SpeedButtonClick(2);
    std::filesystem::remove(classroom.root / "data/body_picture/iPhoneButton.bmp");
    station.phone.SpeedButtonClick(10);
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_EQ(Window().BitBtnDown.Left, 170);
    EXPECT_EQ(Window().BitBtnDown.glyphFile, Data("body_picture/icon_A_home.bmp"));
}

TEST_F(KeysTest, AMissingBodyPictureStillRestoresTheThreeKeyLayout) {
    station.phone.SpeedButtonClick(10);
    std::filesystem::remove(classroom.root / "data/body_picture/chocolate.bmp");
    station.phone.SpeedButtonClick(7);
    EXPECT_EQ(station.errors.messages.size(), 1u);
    ExpectThreeKeyLayout();
    EXPECT_EQ(Window().Image1.pictureFile, Data("body_picture/iPhone_W.bmp"));
}

TEST_F(KeysTest, BackOnTheRiskPagesLeadsOutOfThemNotThroughTheirHistory) {
    station.Open("kyouzai/contents/option0-1.html");
    station.Open("risk/tmpPC01risk.html");
    station.phone.BitBtnLeftClick();
    station.browser.RunLoop();
    EXPECT_EQ(station.browser.CurrentAddress(), Data("risk/adult.html"));

    station.phone.BitBtnLeftClick();
    station.browser.RunLoop();
    EXPECT_EQ(station.browser.CurrentAddress(), station.phone.StartPage);
}

TEST_F(KeysTest, BackGoesThroughTheHistoryAndOnTheFirstPageOpensTheStartPage) {
    station.Open("kyouzai/contents/option0-1.html");
    station.phone.BitBtnLeftClick();
    station.browser.RunLoop();
    EXPECT_EQ(station.browser.CurrentAddress(), station.phone.StartPage);

    station.phone.BitBtnLeftClick(); // the start page is the first page of the history
    station.browser.RunLoop();
    EXPECT_EQ(station.browser.CurrentAddress(), station.phone.StartPage);
    EXPECT_TRUE(station.errors.messages.empty());
}

TEST_F(KeysTest, BackKeepsTheScreenEvenWhenThePanelIsOpen) {
    station.Open(std::string(VirtualSiteRoot) + "kisekae.html");
    station.phone.BitBtnLeftClick();
    station.browser.RunLoop();
    EXPECT_EQ(station.phone.mail.ScreenMode, "WM");
    EXPECT_TRUE(Window().pnlURL.Visible);
    EXPECT_EQ(Window().WebBrowser1.Left, 500);
}

TEST_F(KeysTest, HitTestDragsOnlyWhileTheButtonIsDownAndAlwaysRecordsThePlace) {
    EXPECT_FALSE(station.phone.FormHitTest(false, 100, 300, 40));
    EXPECT_EQ(station.phone.shell.SavedWindowPos.Left, 300);
    EXPECT_EQ(station.phone.shell.SavedWindowPos.Top, 40);

    EXPECT_TRUE(station.phone.FormHitTest(true, 729, 310, 50));
    EXPECT_FALSE(station.phone.FormHitTest(true, 730, 320, 60)); // below the window: not the body
    EXPECT_EQ(station.phone.shell.SavedWindowPos.Left, 320);
    EXPECT_EQ(station.phone.shell.SavedWindowPos.Top, 60);
}
