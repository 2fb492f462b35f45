#include "SampleStationTest.h"

#include "desktop/phone/ModelTimers.h"
#include "desktop/phone/QtBrowserView.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "support/Classroom.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <algorithm>

using namespace vq;
using namespace vqtest;

namespace {

class PhoneWindowTest : public SampleStationTest {
protected:
    explicit PhoneWindowTest(CaptureSource camera = CaptureSource::TestPattern) : SampleStationTest(camera) {}
    void SetUp() override {
        SampleStationTest::SetUp();
        StartPhone();
    }
    template <typename W = QWidget>
    W& Widget(const char* name) {
        W* widget = window().findChild<W*>(QString::fromLatin1(name));
        if (!widget) throw std::runtime_error(std::string("no widget ") + name);
        return *widget;
    }
    QRect Geometry(const char* name) { return Widget(name).geometry(); }
    // The pupil taps the home screen's link to the page.
    void TapLink(const char* page) {
        station.browser().View()->page()->runJavaScript(
            QStringLiteral("document.querySelector('a[href$=\"%1\"]').click();").arg(QString::fromLatin1(page)));
    }
    void Click(const char* name) { Widget<QAbstractButton>(name).click(); }
    std::string Data(const std::string& relative) const { return classroom.DataRoot() + relative; }

    // The new-mail screen, reached as the pupil does.
    void OpenNewMail() {
        window().Run([&] { phone().lblButtonLeftClick(); }); // the mail menu
        auto& list = Widget<QListWidget>("ListBox1");
        ASSERT_EQ(list.count(), 3);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
        ASSERT_EQ(phone().mail.ScreenMode, "NM");
    }
    void ExpectThePreviewToSayThereIsNoCamera() {
        OpenNewMail();
        QTest::mouseClick(&Widget("lblButtonUp"), Qt::LeftButton); // カメラ
        ASSERT_TRUE(Widget("CaptureWindow").isVisible());
        EXPECT_TRUE(Widget("CameraMissing").isVisible());
        EXPECT_EQ(Widget<QLabel>("CameraMissing").text(), QStringLiteral("カメラが見つかりません"));

        QTest::mouseClick(&Widget("lblButtonUp"), Qt::LeftButton); // 撮影: the empty area is the photo
        EXPECT_TRUE(Widget("pnlPhoto2").isVisible());
        EXPECT_TRUE(classroom.Exists("tmp_photo/PC01.jpg"));
        QTest::mouseClick(&Widget("lblButtonUp"), Qt::LeftButton); // カメラ again
        EXPECT_TRUE(Widget("CameraMissing").isVisible());
        QTest::mouseClick(&Widget("lblButtonRight"), Qt::LeftButton); // もどる: the preview stops
        EXPECT_FALSE(Widget("CameraMissing").isVisible());
        EXPECT_TRUE(errors.messages.empty());
    }
};

class PhoneWithoutCamera : public PhoneWindowTest {
protected:
    PhoneWithoutCamera() : PhoneWindowTest(CaptureSource::None) {}
};

class PhoneOnTheDefaultCamera : public PhoneWindowTest {
protected:
    PhoneOnTheDefaultCamera() : PhoneWindowTest(CaptureSource::DefaultCamera) {}
};

} // namespace

TEST_F(PhoneWindowTest, BackOnTheFirstPageOpensTheStartPage) {
    Click("BitBtnLeft");
    ASSERT_TRUE(WaitForCompletion(phone().StartPage, 2));
    EXPECT_EQ(station.browser().CurrentAddress(), phone().StartPage);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(PhoneWindowTest, TheChargePageReplacesItsVirtualAddressAndItsHandlerRunsOnce) {
    TapLink("price.html");
    ASSERT_TRUE(WaitForCompletion(Data("price/tmpPC01price.html")));
    QTest::qWait(300);
    EXPECT_EQ(trace.Handlers(), std::vector<std::string>{"price.html"});
    EXPECT_EQ(Completions("http://velquin.invalid/price.html"), 0);
    EXPECT_EQ(phone().site.GenerationGuard, 0);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(PhoneWindowTest, KisekaeShowsTheColourPanelAndSwatchTenThenThreeRestoresTheKeys) {
    TapLink("kisekae.html");
    ASSERT_TRUE(WaitUntil([&] { return phone().mail.ScreenMode == "WM"; }));
    EXPECT_TRUE(Widget("pnlURL").isVisible());
    EXPECT_EQ(Geometry("WebBrowser1").left(), 500); // out of the 401-pixel window

    Click("SpeedButton10");
    EXPECT_EQ(Geometry("BitBtnLeft").left(), 1000);
    EXPECT_EQ(Geometry("BitBtnNet").left(), 1000);
    EXPECT_EQ(Geometry("BitBtnDown"), QRect(170, 631, 60, 60));
    EXPECT_LE(window().VisibleRegion().boundingRect().right(), 400); // the keys left the window

    Click("SpeedButton3");
    EXPECT_EQ(Geometry("BitBtnLeft"), QRect(30, 611, 113, 46));
    EXPECT_EQ(Geometry("BitBtnNet"), QRect(256, 611, 115, 46));
    EXPECT_EQ(Geometry("BitBtnDown"), QRect(142, 611, 115, 46));
    EXPECT_EQ(phone().window.BitBtnDown.glyphFile, Data("body_picture/icon_A_home.bmp"));
    EXPECT_TRUE(Widget("pnlURL").isVisible()); // the pupil may try another colour

    Click("btnURL");
    EXPECT_FALSE(Widget("pnlURL").isVisible());
    EXPECT_EQ(Geometry("WebBrowser1"), QRect(30, 55, 343, 550));
    ASSERT_TRUE(WaitForCompletion(phone().StartPage, 2));
    EXPECT_EQ(phone().mail.ScreenMode, "W");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(PhoneWindowTest, HomeKeyLeavesTheColourPanelForTheStartPage) {
    TapLink("kisekae.html");
    ASSERT_TRUE(WaitUntil([&] { return phone().mail.ScreenMode == "WM"; }));
    phone().sites.BoardShown = 1;
    Click("BitBtnDown");
    EXPECT_EQ(Geometry("WebBrowser1").topLeft(), QPoint(30, 55));
    EXPECT_FALSE(Widget("pnlURL").isVisible());
    EXPECT_EQ(phone().sites.BoardShown, 0);
    ASSERT_TRUE(WaitForCompletion(phone().StartPage, 2));
}

TEST_F(PhoneWindowTest, TheBodysBackgroundColourNeitherShowsNorTakesClicks) {
    const QRegion shape = window().VisibleRegion();
    EXPECT_FALSE(shape.contains(QPoint(0, 729)));   // the body picture's lower-left pixel
    EXPECT_FALSE(shape.contains(QPoint(400, 300))); // the window is a pixel wider than the body
    EXPECT_TRUE(shape.contains(QPoint(12, 400)));   // the body's edge
    EXPECT_TRUE(shape.contains(QPoint(200, 300)));  // the screen

    Click("SpeedButton8"); // the slime, which drips between see-through gaps
    EXPECT_EQ(phone().window.Image1.pictureFile, Data("body_picture/slaim.bmp"));
    EXPECT_TRUE(window().VisibleRegion().contains(QPoint(64, 712)));
    EXPECT_FALSE(window().VisibleRegion().contains(QPoint(100, 722)));
}

TEST_F(PhoneWindowTest, DraggingTheBodyMovesTheWindowAndRecordsWhereItRests) {
    EXPECT_EQ(window().pos(), QPoint(488, 0));
    QTest::mousePress(&window(), Qt::LeftButton, {}, QPoint(12, 400));
    QTest::mouseMove(&window(), QPoint(62, 420));
    QTest::mouseRelease(&window(), Qt::LeftButton, {}, QPoint(12, 400));
    EXPECT_EQ(window().pos(), QPoint(538, 20));
    EXPECT_EQ(phone().window.form.Left, 538);
    EXPECT_EQ(phone().shell.SavedWindowPos.Left, 538);
    EXPECT_EQ(phone().shell.SavedWindowPos.Top, 20);

    // The core moves the window too (the arrival shake); the window follows after the event.
    window().Run([&] { phone().window.form.Left = 553; });
    EXPECT_EQ(window().pos(), QPoint(553, 20));
}

TEST_F(PhoneWindowTest, WhatThePupilTypesAndChoosesReachesTheMailModelsAtOnce) {
    window().Run([&] {
        phone().window.pnlMail.Visible = true;
        phone().window.pnlMail.Left = 30;
        phone().window.pnlMail.Top = 55;
        phone().mailPanel.ListBox1.Items = {u"メール受信 Box", u"メール送信 Box", u"新規メール作成"};
    });
    auto& subject = Widget<QLineEdit>("txtNewSubject");
    subject.clear();
    QTest::keyClicks(&subject, QStringLiteral("Re:"));
    QInputMethodEvent japanese; // what the input method hands over when the pupil confirms a word
    japanese.setCommitString(QStringLiteral("こんにちは"));
    QCoreApplication::sendEvent(&subject, &japanese);
    EXPECT_EQ(phone().mailPanel.txtNewSubject.Text, u"Re:こんにちは");

    auto& list = Widget<QListWidget>("ListBox1");
    ASSERT_EQ(list.count(), 3);
    const QRect row = list.visualItemRect(list.item(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(phone().mailPanel.ListBox1.ItemIndex, 2);

    // The soft keys are the phone's: "もどる" on the mail menu returns to the web page.
    window().Run([&] { phone().mail.ScreenMode = "M"; });
    QTest::mouseClick(&Widget("lblButtonRight"), Qt::LeftButton);
    EXPECT_EQ(phone().mail.ScreenMode, "W");
    EXPECT_FALSE(Widget("pnlMail").isVisible());
    EXPECT_EQ(Geometry("WebBrowser1").topLeft(), QPoint(30, 55));
}

TEST_F(PhoneWindowTest, TheTimersFollowTheirModels) {
    const ModelTimers& timers = window().Timers();
    EXPECT_TRUE(timers.At(1).isActive()); // start-up starts the mail poll
    EXPECT_EQ(timers.At(1).interval(), 25000);
    EXPECT_FALSE(timers.At(2).isActive());

    window().Run([&] { phone().window.Timer2 = {30, true}; });
    EXPECT_TRUE(timers.At(2).isActive());
    EXPECT_EQ(timers.At(2).interval(), 30);
    window().Run([&] { phone().window.Timer2.Enabled = false; });
    EXPECT_FALSE(timers.At(2).isActive());
}

TEST_F(PhoneWindowTest, TheCameraPreviewsInThePhotoAreaAndTheShotIsShownAttached) {
    OpenNewMail();
    QTest::mouseClick(&Widget("lblButtonUp"), Qt::LeftButton); // カメラ
    EXPECT_TRUE(Widget("pnlPhoto").isVisible());
    EXPECT_TRUE(Widget("CaptureWindow").isVisible()); // the live picture lies in the preview area
    EXPECT_FALSE(Widget("CameraMissing").isVisible());
    QTest::qWait(200);

    QTest::mouseClick(&Widget("lblButtonUp"), Qt::LeftButton); // 撮影
    EXPECT_FALSE(Widget("pnlPhoto").isVisible());
    EXPECT_TRUE(Widget("pnlPhoto2").isVisible());
    const QPixmap shot = Widget<QLabel>("imgPhoto").pixmap();
    EXPECT_EQ(shot.size(), QSize(160, 120));
    EXPECT_TRUE(classroom.Exists("tmp_photo/PC01.jpg"));
    EXPECT_TRUE(errors.messages.empty());
}

// The pupil opens a mail, clicks into another window and comes back by clicking もどる. The window
// system hands the focus back to the list box only after that click, when the box already shows the
// menu with no row chosen; the list then makes its first row current by itself, which is no choice
// of the pupil's and must not open the received box.
TEST_F(PhoneWindowTest, BackFromAMailBoxReachesTheMenuAlsoAfterAVisitToAnotherWindow) {
    for (const char* subject : {"一通目", "二通目"})
        AppendLine(Data("mail_box/log_PC01.dat"),
                   Utf8ToCp932(std::string("PC02#c#10.0.0.9#c#2026/12/07 8:00:00#c#PC01#c#") + subject + "#c#本文"));
    QApplication::setActiveWindow(&window());
    window().Run([&] { phone().lblButtonLeftClick(); }); // the mail menu
    auto& list = Widget<QListWidget>("ListBox1");
    const auto clickRow = [&](int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    };
    clickRow(0);
    ASSERT_EQ(phone().mail.ScreenMode, "RM");
    clickRow(1);
    ASSERT_TRUE(list.hasFocus());

    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    QTest::mouseClick(&Widget("lblButtonRight"), Qt::LeftButton); // もどる
    QApplication::setActiveWindow(&window());
    QTest::qWait(50);
    EXPECT_EQ(phone().mail.ScreenMode, "M");
    EXPECT_EQ(phone().mailPanel.lblMailTitle.Caption, u"メール PC01");

    // The arrow keys still choose a row, as the mouse does.
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(phone().mail.ScreenMode, "RM");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(PhoneWithoutCamera, ThePreviewAreaSaysThatThereIsNoCamera) { ExpectThePreviewToSayThereIsNoCamera(); }

TEST_F(PhoneOnTheDefaultCamera, APcWithoutAVideoInputHasNoCameraAndSaysSo) {
    if (HasVideoInput()) GTEST_SKIP() << "this PC has a video input";
    ExpectThePreviewToSayThereIsNoCamera();
}

TEST_F(PhoneWindowTest, ALabelShowsMarkupFromAMailRecordAsText) {
    const std::u16string forged = u"差出人 <img src=\"/etc/hosts\"><b>PC02</b>";
    window().Run([&] { phone().mailPanel.lblMailAddress.Caption = forged; });
    auto& label = Widget<QLabel>("lblMailAddress");
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_EQ(label.text().toStdU16String(), forged);
}
