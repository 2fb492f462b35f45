#include "desktop/phone/QtCapture.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaDevices>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <utility>

namespace vq {

// The capture window: paints the picture it is given at its top left. Where it has none, the
// preview area's own background shows through, which is what a shot without a camera stores.
class CapturePreviewWindow final : public QWidget {
public:
    CapturePreviewWindow(QWidget* parent, std::function<void()> visibilityChanged)
        : QWidget(parent), visibilityChanged_(std::move(visibilityChanged)) {
        setObjectName(QStringLiteral("CaptureWindow"));
    }

    void ShowPicture(QImage picture) {
        picture_ = std::move(picture);
        update();
    }
    [[nodiscard]] const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent*) override {
        if (picture_.isNull()) return;
        QPainter painter(this);
        painter.drawImage(0, 0, picture_);
    }
    // Hiding the mail panel or the preview area hides this window too, and tells it so.
    void showEvent(QShowEvent*) override { visibilityChanged_(); }
    void hideEvent(QHideEvent*) override { visibilityChanged_(); }

private:
    std::function<void()> visibilityChanged_;
    QImage picture_;
};

CaptureSource CaptureSourceFromEnvironment() {
    return qEnvironmentVariable("VELQUINLAN_CAMERA") == QLatin1String("test") ? CaptureSource::TestPattern
                                                                              : CaptureSource::DefaultCamera;
}

QImage ToQImage(const RgbImage& image) {
    if (image.empty()) return {};
    // The view over the pixels is copied, so that the picture outlives them.
    return QImage(image.pixels.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888).copy();
}

RgbImage ToRgbImage(const QImage& image) {
    if (image.isNull()) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbImage out(rgb.width(), rgb.height());
    const auto row = static_cast<std::size_t>(rgb.width()) * 3; // QImage rows may be padded; ours are not
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), row, out.pixels.begin() + static_cast<std::ptrdiff_t>(out.At(0, y)));
    return out;
}

QtCapture::QtCapture(CaptureSource source) : source_(source) {
    repaint_.setInterval(66);
    QObject::connect(&repaint_, &QTimer::timeout, &repaint_, [this] { ShowNewestPicture(); });
    QObject::connect(&sink_, &QVideoSink::videoFrameChanged, &sink_, [this](const QVideoFrame& frame) {
        newest_ = frame;
        newestUnseen_ = true;
    });
    session_.setVideoSink(&sink_);
}

QtCapture::~QtCapture() {
    repaint_.stop();
    CloseCamera();
    session_.setVideoSink(nullptr);
    delete window_.data(); // its callback points here; gone already when the window went first
}

void QtCapture::SetPreviewArea(QWidget* previewArea) { area_ = previewArea; }

bool QtCapture::CreatePreviewWindow(int width, int height) {
    if (!area_) return false;
    if (!window_) window_ = new CapturePreviewWindow(area_, [this] { FollowVisibility(); });
    window_->setGeometry(0, 0, width, height);
    window_->show();
    (void)pattern_.CreatePreviewWindow(width, height);
    return true;
}

void QtCapture::ResizePreviewWindow(int width, int height) {
    if (window_) window_->resize(width, height);
    pattern_.ResizePreviewWindow(width, height);
}

void QtCapture::ConnectDriver() {
    if (connected_) return;
    connected_ = true;
    pattern_.ConnectDriver();
    if (source_ == CaptureSource::DefaultCamera) OpenDefaultCamera();
    FollowVisibility();
}

void QtCapture::DisconnectDriver() {
    if (!connected_) return;
    connected_ = false;
    pattern_.DisconnectDriver();
    CloseCamera();
    FollowVisibility();
}

void QtCapture::SetScale(bool stretchToWindow) {
    scale_ = stretchToWindow;
    pattern_.SetScale(stretchToWindow);
}

void QtCapture::SetPreviewRate(int millisecondsPerFrame) {
    repaint_.setInterval(std::max(1, millisecondsPerFrame));
    pattern_.SetPreviewRate(millisecondsPerFrame);
}

void QtCapture::SetPreview(bool on) {
    preview_ = on;
    pattern_.SetPreview(on);
    FollowVisibility();
}

RgbImage QtCapture::GrabShowing() {
    if (!PreviewRunning()) return {};
    const QImage& shown = window_->Picture();
    if (shown.isNull()) return {};
    // An unscaled picture larger than the window shows only its top left.
    return ToRgbImage(shown.copy(0, 0, std::min(shown.width(), window_->width()), std::min(shown.height(), window_->height())));
}

// No default video input means no camera: the preview window is left with nothing to paint. A camera
// that fails later reports through its own error signal, which nobody needs: the preview just stops.
void QtCapture::OpenDefaultCamera() {
    const QCameraDevice device = QMediaDevices::defaultVideoInput();
    if (device.isNull()) return;
    camera_ = std::make_unique<QCamera>(device);
    session_.setCamera(camera_.get());
}

void QtCapture::CloseCamera() {
    if (!camera_) return;
    camera_->stop();
    session_.setCamera(nullptr);
    camera_.reset();
}

bool QtCapture::PreviewRunning() const { return connected_ && preview_ && window_ && window_->isVisible(); }

void QtCapture::FollowVisibility() {
    const bool running = PreviewRunning();
    if (camera_) {
        if (running) camera_->start();
        else camera_->stop();
    }
    if (running) {
        if (!repaint_.isActive()) repaint_.start();
        return;
    }
    // A stopped preview shows nothing, so that coming back never flashes an old picture.
    repaint_.stop();
    newest_ = QVideoFrame();
    newestUnseen_ = false;
    if (window_) window_->ShowPicture(QImage());
}

QImage QtCapture::NewestPicture() {
    if (source_ == CaptureSource::TestPattern) return ToQImage(pattern_.GrabShowing());
    if (!newestUnseen_) return {};
    newestUnseen_ = false;
    return newest_.toImage();
}

void QtCapture::ShowNewestPicture() {
    if (!window_) return;
    QImage picture = NewestPicture();
    if (picture.isNull()) return; // nothing new: the last picture stays
    if (scale_ && picture.size() != window_->size())
        picture = picture.scaled(window_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    window_->ShowPicture(picture.convertToFormat(QImage::Format_RGB888));
}

} // namespace vq
