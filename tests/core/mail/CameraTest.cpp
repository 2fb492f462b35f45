#include "platform/Files.h"
#include "platform/Jpeg.h"
#include "platform/TestPatternCapture.h"
#include "platform/Text.h"
#include "support/Classroom.h"
#include "support/FullDisk.h"
#include "support/MailDesk.h"
#include "support/PhotoDesk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace vq;
using namespace vqtest;

namespace {

std::string SizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

// A capture device that writes down how it is driven and shows a picture the test chooses.
class RecordingCapture final : public Capture {
public:
    bool CreatePreviewWindow(int width, int height) override {
        calls.push_back("create " + SizeText(width, height));
        return makesWindow;
    }
    void ResizePreviewWindow(int width, int height) override { calls.push_back("resize " + SizeText(width, height)); }
    void ConnectDriver() override { calls.push_back("connect"); }
    void DisconnectDriver() override { calls.push_back("disconnect"); }
    void SetScale(bool on) override { calls.push_back(on ? "scale on" : "scale off"); }
    void SetPreviewRate(int ms) override { calls.push_back("rate " + std::to_string(ms)); }
    void SetPreview(bool on) override { calls.push_back(on ? "preview on" : "preview off"); }
    RgbImage GrabShowing() override {
        calls.push_back("grab");
        return showing;
    }

    bool makesWindow = true;
    RgbImage showing; // empty: the preview window shows nothing, as without a camera
    std::vector<std::string> calls;
};

std::string ColourAt(const RgbImage& image, int x, int y) {
    const std::size_t at = image.At(x, y);
    return std::to_string(image.pixels[at]) + "," + std::to_string(image.pixels[at + 1]) + "," +
           std::to_string(image.pixels[at + 2]);
}

RgbImage Filled(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    RgbImage image(width, height);
    for (std::size_t at = 0; at < image.pixels.size(); at += 3) {
        image.pixels[at] = r;
        image.pixels[at + 1] = g;
        image.pixels[at + 2] = b;
    }
    return image;
}

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        classroom.Write("mail_box/log_PC02.dat", "\n");
        station.Start();
        OpenNewMail();
    }
    void OpenNewMail() {
        if (station.phone.mail.ScreenMode != "M") OpenMailMenu(station);
        ChooseMenuRow(station, 2);
    }
    void SendTo(const std::string& address) {
        panel().ComboBoxMail.Text = Utf8ToWide(address);
        panel().txtNewSubject.Text = u"写真";
        SendWrittenMail(station);
    }
    MailPanel& panel() { return station.phone.mailPanel; }
    std::string UpKey() { return Utf8(panel().lblButtonUp.Caption); }
    std::string Data(const std::string& relative) const { return classroom.DataRoot() + relative; }
    std::vector<std::string> Inbox() const { return RecordLines(classroom, "mail_box/log_PC02.dat"); }

    Classroom classroom;
    ManualClock clock{{2026, 12, 7, 13, 45, 12, 0}};
    TestPatternCapture camera{clock};
    Station station{classroom, "PC01", clock, "10.0.0.1", &camera};
};

// A station whose capture device is a recording one, on the new-mail screen.
class CameraDevice : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        station.Start();
        OpenMailMenu(station);
        ChooseMenuRow(station, 2);
    }

    Classroom classroom;
    ManualClock clock;
    RecordingCapture device;
    Station station{classroom, "PC01", clock, "10.0.0.1", &device};
};

const std::string kSnapshot = "tmp_photo/PC01.jpg";

} // namespace

TEST_F(CameraTest, UpThenUpOnAFreshNewMailScreenAttachesTheSnapshot) {
    EXPECT_EQ(UpKey(), "カメラ");
    EXPECT_FALSE(panel().pnlPhoto.Visible);
    EXPECT_FALSE(panel().pnlPhoto2.Visible);

    PressCameraKey(station);
    EXPECT_TRUE(panel().pnlPhoto.Visible);
    EXPECT_FALSE(panel().pnlPhoto2.Visible);
    EXPECT_EQ(UpKey(), "撮影");
    EXPECT_TRUE(camera.DriverConnected());
    EXPECT_FALSE(classroom.Exists(kSnapshot));

    const std::int64_t frame = camera.FrameNumberAt(clock.Now());
    PressCameraKey(station);
    EXPECT_EQ(UpKey(), "カメラ");
    EXPECT_FALSE(panel().pnlPhoto.Visible);
    EXPECT_TRUE(panel().pnlPhoto2.Visible);
    EXPECT_EQ(station.phone.mail.CurrentPhoto, u"PC0120261207134512.jpg");
    EXPECT_FALSE(camera.DriverConnected());
    EXPECT_TRUE(station.errors.messages.empty());

    // The file is the picture the photo area shows, at quality 100, and that is what the preview showed.
    const RgbImage& shown = panel().imgPhoto.image;
    ASSERT_EQ(SizeText(shown.width, shown.height), "160x120");
    EXPECT_EQ(shown.pixels, TestPatternFrame(160, 120, frame).pixels);
    EXPECT_EQ(ReadAll(Data(kSnapshot)), EncodeJpeg(shown, 100));
    // Decoded, it differs only by what JPEG's colour subsampling does to the sharp colour bars.
    EXPECT_LT(MeanDifference(ReadJpegFile(Data(kSnapshot)), shown), 4.0);

    // Without a leading zero for the hour, 9:05:07 on 2026/12/08 names the photo PC012026120890507.jpg.
    clock.Set({2026, 12, 8, 9, 5, 7, 0});
    OpenNewMail();
    TakePhoto(station);
    EXPECT_EQ(station.phone.mail.CurrentPhoto, u"PC012026120890507.jpg");
}

TEST_F(CameraTest, AThirdPressDropsThePhotoAndTheMailGoesWithoutOne) {
    TakePhoto(station);
    PressCameraKey(station);
    EXPECT_TRUE(panel().pnlPhoto.Visible);
    EXPECT_FALSE(panel().pnlPhoto2.Visible);
    EXPECT_EQ(UpKey(), "撮影");

    SendTo("PC02");
    ASSERT_EQ(Inbox().size(), 1u);
    EXPECT_EQ(Inbox()[0].find("{Photo}"), std::string::npos);
    EXPECT_NE(classroom.Read("log/log_PC01.dat").find(",メール送信,"), std::string::npos);
    EXPECT_TRUE(ListFiles(Data("mail_photo")).empty());
}

// The second shot of the same second finds its name taken by the first one's photo: it goes under a
// name of its own, so each mail's receivers see the photo that was taken for it.
TEST_F(CameraTest, TwoShotsInOneSecondGetTwoNamesAndEachMailShowsItsOwn) {
    TakePhoto(station);
    const std::string first = ReadAll(Data(kSnapshot));
    SendTo("PC02");
    EXPECT_EQ(ReadAll(Data("mail_photo/PC0120261207134512.jpg")), first);

    clock.AdvanceMilliseconds(500);
    OpenNewMail();
    TakePhoto(station);
    EXPECT_EQ(station.phone.mail.CurrentPhoto, u"PC0120261207134512.jpg");
    const std::string second = ReadAll(Data(kSnapshot));
    EXPECT_NE(second, first); // the pattern has moved on
    SendTo("PC02");
    EXPECT_TRUE(station.errors.messages.empty()) << station.errors.messages[0];
    EXPECT_EQ(ReadAll(Data("mail_photo/PC0120261207134512.jpg")), first);
    EXPECT_EQ(ReadAll(Data("mail_photo/PC0120261207134512-2.jpg")), second);
    ASSERT_EQ(Inbox().size(), 2u);
    EXPECT_TRUE(Inbox()[0].ends_with("{Photo}PC0120261207134512.jpg")) << Inbox()[0];
    EXPECT_TRUE(Inbox()[1].ends_with("{Photo}PC0120261207134512-2.jpg")) << Inbox()[1];
    EXPECT_EQ(station.phone.mail.SentMails[1].Photo, u"PC0120261207134512-2.jpg");

    // The receiver is shown the second picture with the second mail.
    Station pc02(classroom, "PC02", clock, "10.0.0.2");
    pc02.Start();
    pc02.phone.Timer1Timer();
    OpenMailMenu(pc02);
    ChooseMenuRow(pc02, 0);
    EXPECT_EQ(pc02.phone.mailPanel.imgPhoto.pictureFile, Data("mail_photo/PC0120261207134512-2.jpg"));
    EXPECT_TRUE(pc02.errors.messages.empty());
}

TEST_F(CameraTest, ASnapshotThatCannotBeStoredIsReportedAndThePhotoIsStillAttached) {
    std::filesystem::remove_all(classroom.root / "data/tmp_photo");
    TakePhoto(station);
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_NE(station.errors.messages[0].find("撮影した写真を保存できません"), std::string::npos);
    EXPECT_NE(station.errors.messages[0].find(kSnapshot), std::string::npos);
    EXPECT_FALSE(panel().pnlPhoto.Visible);
    EXPECT_TRUE(panel().pnlPhoto2.Visible);
    EXPECT_EQ(UpKey(), "カメラ");
    EXPECT_EQ(station.phone.mail.CurrentPhoto, u"PC0120261207134512.jpg");
    EXPECT_EQ(panel().imgPhoto.image.width, 160);
    EXPECT_TRUE(camera.DriverConnected());

    // With no picture to copy for the receivers, the photo mail is not sent; the pupil keeps it.
    SendTo("PC02");
    ASSERT_EQ(station.errors.messages.size(), 2u);
    EXPECT_NE(station.errors.messages[1].find("写真"), std::string::npos) << station.errors.messages[1];
    EXPECT_TRUE(Inbox().empty());
    EXPECT_TRUE(ListFiles(Data("mail_photo")).empty());
    EXPECT_EQ(Utf8(panel().ComboBoxMail.Text), "PC02");
    EXPECT_TRUE(panel().pnlPhoto2.Visible);
    EXPECT_EQ(station.phone.mail.SentCount, 0);
}

// A photo named by station and time of day only would be "already there" the next day at the same
// time, and the receivers would see the old one.
TEST_F(CameraTest, AShotOfAnotherDayAtTheSameTimeIsAPhotoOfItsOwn) {
    TakePhoto(station);
    const std::string first = ReadAll(Data(kSnapshot));
    SendTo("PC02");
    clock.Set({2026, 12, 8, 13, 45, 12, 500}); // the pattern has moved on
    OpenNewMail();
    TakePhoto(station);
    const std::string second = ReadAll(Data(kSnapshot));
    ASSERT_NE(second, first);
    EXPECT_EQ(station.phone.mail.CurrentPhoto, u"PC0120261208134512.jpg");
    SendTo("PC02");
    EXPECT_EQ(ReadAll(Data("mail_photo/PC0120261207134512.jpg")), first);
    EXPECT_EQ(ReadAll(Data("mail_photo/PC0120261208134512.jpg")), second);
    ASSERT_EQ(Inbox().size(), 2u);
    EXPECT_TRUE(Inbox()[1].ends_with("{Photo}PC0120261208134512.jpg"));
}

// A copy cut short would stay under the photo's name, and as it "already exists" it would never be
// copied again: the receivers would see a broken picture for good.
TEST_F(CameraTest, APhotoCopyTheFullDiskCutsShortLeavesNeitherPhotoNorMail) {
    TakePhoto(station);
    {
        const FileSizeLimit full(1000);
        SendTo("PC02");
    }
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_TRUE(ListFiles(Data("mail_photo")).empty());
    EXPECT_TRUE(Inbox().empty());
    EXPECT_TRUE(panel().pnlPhoto2.Visible);

    SendWrittenMail(station);
    EXPECT_EQ(ReadAll(Data("mail_photo/PC0120261207134512.jpg")), ReadAll(Data(kSnapshot)));
    EXPECT_EQ(Inbox().size(), 1u);
}

TEST_F(CameraTest, AShotTheFullDiskCannotTakeLeavesTheLastSnapshotWhole) {
    TakePhoto(station);
    const std::string first = ReadAll(Data(kSnapshot));
    clock.AdvanceSeconds(1);
    OpenNewMail();
    {
        const FileSizeLimit full(1000);
        TakePhoto(station);
    }
    EXPECT_EQ(station.errors.messages.size(), 1u);
    EXPECT_EQ(ReadAll(Data(kSnapshot)), first);
}

TEST_F(CameraDevice, IsDrivenInTheOrderOfTheCaptureWindow) {
    EXPECT_EQ(device.calls, std::vector<std::string>{"create 160x120"}); // at start-up
    device.calls.clear();
    PressCameraKey(station);
    const std::vector<std::string> preview{"connect", "scale on", "rate 15", "preview on", "resize 160x120"};
    EXPECT_EQ(device.calls, preview);
    device.calls.clear();
    PressCameraKey(station);
    EXPECT_EQ(device.calls, (std::vector<std::string>{"connect", "grab", "disconnect"}));

    // A shot that cannot be stored leaves the driver connected.
    std::filesystem::remove_all(classroom.root / "data/tmp_photo");
    device.calls.clear();
    PressCameraKey(station);
    PressCameraKey(station);
    std::vector<std::string> failed = preview;
    failed.insert(failed.end(), {"connect", "grab"});
    EXPECT_EQ(device.calls, failed);
}

TEST_F(CameraDevice, TheShotIsThePreviewAreaWithWhatTheCameraShowsAtItsTopLeft) {
    const Rgb area = station.phone.mailPanel.pnlPhoto.colour;
    const auto areaColour = Filled(160, 120, static_cast<std::uint8_t>(area.red), static_cast<std::uint8_t>(area.green),
                                   static_cast<std::uint8_t>(area.blue));

    // No camera behind the driver: the preview stays empty and the shot is the empty area.
    TakePhoto(station);
    EXPECT_LT(MeanDifference(ReadJpegFile(classroom.DataRoot() + kSnapshot), areaColour), 1.0);

    // A picture smaller than the area covers its top left only.
    device.showing = Filled(100, 50, 200, 0, 0);
    TakePhoto(station);
    const RgbImage& shot = station.phone.mailPanel.imgPhoto.image;
    EXPECT_EQ(ColourAt(shot, 0, 0), "200,0,0");
    EXPECT_EQ(ColourAt(shot, 99, 49), "200,0,0");
    EXPECT_EQ(ColourAt(shot, 100, 0), ColourAt(areaColour, 0, 0));
    EXPECT_EQ(ColourAt(shot, 0, 50), ColourAt(areaColour, 0, 0));
    EXPECT_TRUE(station.errors.messages.empty());
}

TEST(NoCaptureWindow, TheUpKeyOnlyShowsTheEmptyPreviewArea) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    ManualClock clock;
    RecordingCapture refusing;
    refusing.makesWindow = false;
    for (Capture* device : std::vector<Capture*>{nullptr, &refusing}) {
        Station station{classroom, "PC01", clock, "10.0.0.1", device};
        station.Start();
        OpenMailMenu(station);
        ChooseMenuRow(station, 2);
        TakePhoto(station);
        const MailPanel& panel = station.phone.mailPanel;
        EXPECT_TRUE(panel.pnlPhoto.Visible);
        EXPECT_FALSE(panel.pnlPhoto2.Visible);
        EXPECT_EQ(Utf8(panel.lblButtonUp.Caption), "カメラ");
        EXPECT_TRUE(station.phone.mail.CurrentPhoto.empty());
        EXPECT_FALSE(classroom.Exists(kSnapshot));
    }
    EXPECT_EQ(refusing.calls, std::vector<std::string>{"create 160x120"});
}

TEST(TestPattern, MovesWithTheClockOnlyWhileConnectedAndPreviewing) {
    ManualClock clock{{2026, 12, 7, 9, 0, 0, 0}};
    TestPatternCapture camera{clock};
    EXPECT_TRUE(camera.GrabShowing().empty()); // no window yet
    ASSERT_TRUE(camera.CreatePreviewWindow(160, 120));
    camera.ConnectDriver();
    EXPECT_TRUE(camera.GrabShowing().empty()); // preview still off
    camera.SetScale(true);
    camera.SetPreviewRate(15);
    camera.SetPreview(true);

    const RgbImage first = camera.GrabShowing();
    EXPECT_EQ(SizeText(first.width, first.height), "160x120");
    clock.AdvanceMilliseconds(14);
    EXPECT_EQ(camera.GrabShowing().pixels, first.pixels); // the same picture until the rate's period is over
    clock.AdvanceMilliseconds(1);
    EXPECT_NE(camera.GrabShowing().pixels, first.pixels);

    // Unscaled, the window shows the top left of the source's own picture.
    camera.SetScale(false);
    const RgbImage unscaled = camera.GrabShowing();
    const RgbImage source = TestPatternFrame(TestPatternCapture::kSourceWidth, TestPatternCapture::kSourceHeight,
                                             camera.FrameNumberAt(clock.Now()));
    ASSERT_EQ(SizeText(unscaled.width, unscaled.height), "160x120");
    for (int y : {0, 119})
        for (int x : {0, 80, 159}) EXPECT_EQ(ColourAt(unscaled, x, y), ColourAt(source, x, y));
    camera.ResizePreviewWindow(400, 300);
    EXPECT_EQ(SizeText(camera.GrabShowing().width, camera.GrabShowing().height), "320x240");

    camera.DisconnectDriver();
    EXPECT_TRUE(camera.GrabShowing().empty());
}
