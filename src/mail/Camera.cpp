#include "mail/Camera.h"

#include "mail/MailPaths.h"
#include "platform/Jpeg.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "shell/PictureLoading.h"

#include <algorithm>
#include <exception>

namespace vq {
namespace {

constexpr int kPhotoWidth = 160;
constexpr int kPhotoHeight = 120;
constexpr int kPreviewRateMs = 15;
constexpr int kSnapshotQuality = 100;

RgbImage Filled(int width, int height, const Rgb& colour) {
    RgbImage image(width, height);
    for (std::size_t at = 0; at < image.pixels.size(); at += 3) {
        image.pixels[at] = static_cast<std::uint8_t>(colour.red);
        image.pixels[at + 1] = static_cast<std::uint8_t>(colour.green);
        image.pixels[at + 2] = static_cast<std::uint8_t>(colour.blue);
    }
    return image;
}

// The shot is what the pupil sees in the preview area: the live picture where the preview window
// shows one, the area's own colour everywhere else (all of it without a camera).
RgbImage PreviewAreaPicture(const Panel& area, Capture* camera) {
    RgbImage picture = Filled(kPhotoWidth, kPhotoHeight, area.colour);
    if (!camera) return picture;
    const RgbImage showing = camera->GrabShowing();
    const int width = std::min(showing.width, picture.width);
    const int height = std::min(showing.height, picture.height);
    for (int y = 0; y < height; ++y)
        std::copy_n(showing.pixels.begin() + static_cast<std::ptrdiff_t>(showing.At(0, y)),
                    static_cast<std::size_t>(width) * 3,
                    picture.pixels.begin() + static_cast<std::ptrdiff_t>(picture.At(0, y)));
    return picture;
}

// The station, the date and the time of the shot: PC01 on 2026/12/07 at 13:45:12 takes
// PC0120261207134512.jpg. With the time of day alone, a shot taken another day at the same time
// would find its name already in the photo folder and never be copied, and its receivers would be
// shown the old picture. Readers take the name from the mail, so they read either kind.
std::u16string PhotoNameNow(const Phone& phone) {
    const LocalDateTime now = phone.clock.Now();
    std::string name = phone.StationName + ShortDateText(now) + LongTimeText(now);
    std::erase(name, '/');
    std::erase(name, ':');
    return ToWide(name + ".jpg");
}

void StoreSnapshot(const Phone& phone, const RgbImage& picture) {
    try {
        WriteJpegFile(SnapshotPath(phone), picture, kSnapshotQuality);
    } catch (const PlatformError& e) {
        throw PlatformError(std::string("撮影した写真を保存できません。") + e.what());
    }
}

void ShowPhotoAttached(Phone& phone) {
    MailPanel& panel = phone.mailPanel;
    panel.lblButtonUp.Caption = u"カメラ";
    panel.pnlPhoto.Visible = false;
    panel.pnlPhoto2.Visible = true;
    phone.mail.CurrentPhoto = PhotoNameNow(phone);
    phone.mail.CurrentPhotoIsSnapshot = true;
}

} // namespace

void CreateCaptureWindow(Phone& phone) {
    Capture* device = phone.capture;
    phone.mail.CaptureWindow = device && device->CreatePreviewWindow(kPhotoWidth, kPhotoHeight) ? device : nullptr;
}

void StartPreview(Phone& phone) {
    MailPanel& panel = phone.mailPanel;
    panel.pnlPhoto.Visible = true;
    panel.pnlPhoto2.Visible = false; // a photo attached before is dropped
    Capture* camera = phone.mail.CaptureWindow;
    if (!camera) return;
    camera->ConnectDriver();
    camera->SetScale(true);
    camera->SetPreviewRate(kPreviewRateMs);
    camera->SetPreview(true);
    camera->ResizePreviewWindow(kPhotoWidth, kPhotoHeight);
    panel.lblButtonUp.Caption = u"撮影";
}

// A snapshot that cannot be stored is still shown and attached, and the error is reported after
// the screen has changed; the driver stays connected for another try.
void TakeSnapshot(Phone& phone) {
    Capture* camera = phone.mail.CaptureWindow;
    if (camera) camera->ConnectDriver();
    const RgbImage picture = PreviewAreaPicture(phone.mailPanel.pnlPhoto, camera);
    ShowImage(phone.mailPanel.imgPhoto, picture);
    std::exception_ptr failure;
    try {
        StoreSnapshot(phone, picture);
    } catch (const PlatformError&) {
        failure = std::current_exception();
    }
    ShowPhotoAttached(phone);
    if (failure) std::rethrow_exception(failure);
    if (camera) camera->DisconnectDriver();
}

} // namespace vq
