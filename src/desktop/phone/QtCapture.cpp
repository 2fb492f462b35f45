#include "desktop/phone/QtCapture.h"

#include <QCamera>
#include <QCameraDevice>
#include <QDir>
#include <QLabel>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QPainter>
#include <QVideoSink>

#include <algorithm>
#include <functional>
#include <utility>

namespace vq {

// The capture window: paints the picture it is given at its top left. Where it has none, the
// preview area's own background shows through, which is what a shot without a camera stores.
class CapturePreviewWindow final : public QWidget {
public:
    CapturePreviewWindow(QWidget* parent, std::function<void()> visibilityChanged)
        : QWidget(parent), visibilityChanged_(std::move(visibilityChanged)), missing_(new QLabel(this)) {
        setObjectName(QStringLiteral("CaptureWindow"));
        missing_->setObjectName(QStringLiteral("CameraMissing"));
        missing_->setText(QStringLiteral("カメラが見つかりません"));
        missing_->setAlignment(Qt::AlignCenter);
        missing_->setWordWrap(true);
        QFont font = missing_->font();
        font.setPixelSize(13); // one line across the 160-pixel area
        font.setBold(true);
        missing_->setFont(font);
        missing_->setStyleSheet(QStringLiteral("color: #404040;"));
        missing_->hide();
    }

    void ShowPicture(QImage picture) {
        picture_ = std::move(picture);
        update();
    }
    [[nodiscard]] const QImage& Picture() const { return picture_; }
    void ShowCameraMissing(bool missing) {
        if (missing_->isVisibleTo(this) != missing) missing_->setVisible(missing);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (picture_.isNull()) return;
        QPainter painter(this);
        painter.drawImage(0, 0, picture_);
    }
    // Hiding the mail panel or the preview area hides this window too, and tells it so.
    void showEvent(QShowEvent*) override { visibilityChanged_(); }
    void hideEvent(QHideEvent*) override { visibilityChanged_(); }
    void resizeEvent(QResizeEvent*) override { missing_->setGeometry(rect().adjusted(2, 2, -2, -2)); }

private:
    std::function<void()> visibilityChanged_;
    QLabel* missing_;
    QImage picture_;
};

// The pictures of the default video input reach the phone through a capture session into a sink.
struct QtCapture::Session {
    QVideoSink sink;
    QMediaCaptureSession session; // after the sink it feeds, so that it goes first
};

CaptureSource CaptureSourceFromEnvironment() {
    const QString camera = qEnvironmentVariable("VELQUINLAN_CAMERA");
    if (camera == QLatin1String("test")) return CaptureSource::TestPattern;
    if (camera == QLatin1String("none")) return CaptureSource::None;
    return CaptureSource::DefaultCamera;
}

// Every video input of a Linux PC is a device node /dev/videoN.
bool HasVideoInput() {
    return !QDir(QStringLiteral("/dev")).entryList({QStringLiteral("video*")}, QDir::System).isEmpty();
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
}

QtCapture::~QtCapture() {
    repaint_.stop();
    CloseCamera();
    if (session_) session_->session.setVideoSink(nullptr);
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
    if (!HasVideoInput()) return;
    const QCameraDevice device = QMediaDevices::defaultVideoInput();
    if (device.isNull()) return;
    if (!session_) {
        session_ = std::make_unique<Session>();
        QObject::connect(&session_->sink, &QVideoSink::videoFrameChanged, &session_->sink, [this](const QVideoFrame& frame) {
            newest_ = frame;
            newestUnseen_ = true;
        });
        session_->session.setVideoSink(&session_->sink);
    }
    camera_ = std::make_unique<QCamera>(device);
    session_->session.setCamera(camera_.get());
}

void QtCapture::CloseCamera() {
    if (!camera_) return;
    camera_->stop();
    session_->session.setCamera(nullptr);
    camera_.reset();
}

bool QtCapture::PreviewRunning() const { return connected_ && preview_ && window_ && window_->isVisible(); }

bool QtCapture::CameraMissing() const {
    return source_ == CaptureSource::None || (source_ == CaptureSource::DefaultCamera && !camera_);
}

void QtCapture::FollowVisibility() {
    const bool running = PreviewRunning();
    if (camera_) {
        if (running) camera_->start();
        else camera_->stop();
    }
    if (window_) window_->ShowCameraMissing(running && CameraMissing());
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
