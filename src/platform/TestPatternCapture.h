#pragma once

#include "platform/Capture.h"
#include "platform/Clock.h"

#include <cstdint>

namespace vq {

// A capture device that films a moving test pattern instead of the classroom: it stands in for a
// camera in tests, in vqsim and in demos on PCs without one. The picture it shows depends on the
// clock, so shots taken at different moments differ and a manual clock makes them repeatable.
class TestPatternCapture final : public Capture {
public:
    // The size of the pattern as the device delivers it, before it is scaled to the window.
    static constexpr int kSourceWidth = 320;
    static constexpr int kSourceHeight = 240;

    explicit TestPatternCapture(const Clock& clock) : clock_(clock) {}

    [[nodiscard]] bool CreatePreviewWindow(int width, int height) override;
    void ResizePreviewWindow(int width, int height) override;
    void ConnectDriver() override { connected_ = true; }
    void DisconnectDriver() override { connected_ = false; }
    void SetScale(bool stretchToWindow) override { scale_ = stretchToWindow; }
    void SetPreviewRate(int millisecondsPerFrame) override { rate_ = millisecondsPerFrame; }
    void SetPreview(bool on) override { preview_ = on; }
    [[nodiscard]] RgbImage GrabShowing() override;

    [[nodiscard]] bool DriverConnected() const { return connected_; }
    // The number of the picture the preview shows at a moment: a new one every preview-rate period.
    [[nodiscard]] std::int64_t FrameNumberAt(const LocalDateTime& t) const;

private:
    const Clock& clock_;
    bool window_ = false;
    int width_ = 0;
    int height_ = 0;
    bool connected_ = false;
    bool scale_ = false;
    bool preview_ = false;
    int rate_ = 0;
};

// Picture number `frame` of the test pattern at a size: colour bars over a grey ramp, crossed by a
// dark band that moves a step with every picture.
[[nodiscard]] RgbImage TestPatternFrame(int width, int height, std::int64_t frame);

} // namespace vq
