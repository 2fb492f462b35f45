#pragma once

#include "platform/RgbImage.h"

namespace vq {

// The station's video-capture device as the mail panel's camera drives it: a preview window laid
// into the preview area, which shows the live picture once the driver is connected and the preview
// is on, and a grab of what that window shows. Like the capture messages they stand for, the calls
// report nothing: without a camera the preview window simply stays empty.
class Capture {
public:
    virtual ~Capture() = default;

    // Makes the preview window at the top left of the preview area. False when the platform can make
    // none; the phone then has no camera at all.
    [[nodiscard]] virtual bool CreatePreviewWindow(int width, int height) = 0;
    virtual void ResizePreviewWindow(int width, int height) = 0;

    virtual void ConnectDriver() = 0; // the first capture device; connecting again changes nothing
    virtual void DisconnectDriver() = 0;
    virtual void SetScale(bool stretchToWindow) = 0;
    virtual void SetPreviewRate(int millisecondsPerFrame) = 0;
    virtual void SetPreview(bool on) = 0;

    // The picture the preview window shows at this moment, at most the window's size (a smaller one
    // covers only its top left); an empty image while it shows nothing.
    [[nodiscard]] virtual RgbImage GrabShowing() = 0;
};

} // namespace vq
