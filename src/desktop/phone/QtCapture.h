#pragma once

#include "platform/Capture.h"
#include "platform/Clock.h"
#include "platform/TestPatternCapture.h"

#include <QImage>
#include <QMediaCaptureSession>
#include <QPointer>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWidget>

#include <memory>

class QCamera;

namespace vq {

// Where the desktop phone's camera pictures come from.
enum class CaptureSource { DefaultCamera, TestPattern };

// VELQUINLAN_CAMERA=test films the moving test pattern (demos on PCs without a camera); otherwise
// the system's default video input is used.
[[nodiscard]] CaptureSource CaptureSourceFromEnvironment();

[[nodiscard]] QImage ToQImage(const RgbImage& image);
[[nodiscard]] RgbImage ToRgbImage(const QImage& image);

class CapturePreviewWindow;

// The camera of the desktop phone: Qt Multimedia's default video input, or the test pattern, shown
// live in a child widget of the preview area pnlPhoto. The preview repaints at the preview rate with
// the newest picture, stretched to the window while scaling is on, and a grab returns exactly the
// picture it painted last. Without a camera nothing is painted and the preview area stays empty.
//
// The camera runs only while the preview is both on and actually visible: a pupil who leaves the
// mail screen during the preview does not leave the camera (and its light) on. The driver still
// counts as connected until the shot, so the preview comes back where it was.
class QtCapture final : public Capture {
public:
    explicit QtCapture(CaptureSource source);
    QtCapture(const QtCapture&) = delete;
    QtCapture& operator=(const QtCapture&) = delete;
    ~QtCapture() override;

    // The widget of pnlPhoto, which must be given before start-up makes the preview window.
    void SetPreviewArea(QWidget* previewArea);

    // Capture
    [[nodiscard]] bool CreatePreviewWindow(int width, int height) override;
    void ResizePreviewWindow(int width, int height) override;
    void ConnectDriver() override;
    void DisconnectDriver() override;
    void SetScale(bool stretchToWindow) override;
    void SetPreviewRate(int millisecondsPerFrame) override;
    void SetPreview(bool on) override;
    [[nodiscard]] RgbImage GrabShowing() override;

private:
    void OpenDefaultCamera();
    void CloseCamera();
    void FollowVisibility();
    void ShowNewestPicture();
    [[nodiscard]] QImage NewestPicture();
    [[nodiscard]] bool PreviewRunning() const;

    const CaptureSource source_;
    QPointer<QWidget> area_;
    QPointer<CapturePreviewWindow> window_;

    SystemClock clock_;
    TestPatternCapture pattern_{clock_};

    QVideoSink sink_;
    QMediaCaptureSession session_; // after the sink it feeds, so that it goes first
    std::unique_ptr<QCamera> camera_;
    QVideoFrame newest_;
    bool newestUnseen_ = false;

    QTimer repaint_;
    bool connected_ = false;
    bool scale_ = false;
    bool preview_ = false;
};

} // namespace vq
