#pragma once

#include "platform/Capture.h"
#include "platform/Clock.h"
#include "platform/TestPatternCapture.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QVideoFrame>
#include <QWidget>

#include <memory>

class QCamera;

namespace vq {

// Where the desktop phone's camera pictures come from: the system's default video input, the
// moving test pattern, or nothing (as on a PC without a video input).
enum class CaptureSource { DefaultCamera, TestPattern, None };

// VELQUINLAN_CAMERA=test films the moving test pattern (demos on PCs without a camera),
// VELQUINLAN_CAMERA=none leaves the phone without a camera; otherwise the default video input is used.
[[nodiscard]] CaptureSource CaptureSourceFromEnvironment();

// Whether the PC has a video input at all, asked without starting the multimedia framework, which
// complains on the terminal when it has nothing to capture from.
[[nodiscard]] bool HasVideoInput();

[[nodiscard]] QImage ToQImage(const RgbImage& image);
[[nodiscard]] RgbImage ToRgbImage(const QImage& image);

class CapturePreviewWindow;

// The camera of the desktop phone: Qt Multimedia's default video input, or the test pattern, shown
// live in a child widget of the preview area pnlPhoto. The preview repaints at the preview rate with
// the newest picture, stretched to the window while scaling is on, and a grab returns exactly the
// picture it painted last. Without a camera no picture is painted: the preview area says
// "カメラが見つかりません" instead, and a shot stores the empty area.
//
// The camera objects are made when the first preview starts, and only when the PC has a video
// input: a phone that never films starts no multimedia framework.
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
    [[nodiscard]] bool CameraMissing() const;
    void FollowVisibility();
    void ShowNewestPicture();
    [[nodiscard]] QImage NewestPicture();
    [[nodiscard]] bool PreviewRunning() const;

    const CaptureSource source_;
    QPointer<QWidget> area_;
    QPointer<CapturePreviewWindow> window_;

    SystemClock clock_;
    TestPatternCapture pattern_{clock_};

    struct Session;
    std::unique_ptr<Session> session_; // made with the first camera
    std::unique_ptr<QCamera> camera_;
    QVideoFrame newest_;
    bool newestUnseen_ = false;

    QTimer repaint_;
    bool connected_ = false;
    bool scale_ = false;
    bool preview_ = false;
};

} // namespace vq
