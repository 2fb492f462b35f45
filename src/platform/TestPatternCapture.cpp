#include "platform/TestPatternCapture.h"

#include <algorithm>
#include <array>

namespace vq {
namespace {

// A capture device that was never told its rate shows about fifteen pictures a second.
constexpr int kDefaultRate = 66;
// The band crosses the picture in this many pictures (about a second at 15 ms a picture).
constexpr std::int64_t kStepsPerSweep = 64;

struct Colour {
    std::uint8_t red, green, blue;
};

constexpr std::array<Colour, 7> kBars{{{235, 235, 235},
                                       {235, 235, 16},
                                       {16, 235, 235},
                                       {16, 235, 16},
                                       {235, 16, 235},
                                       {235, 16, 16},
                                       {16, 16, 235}}};

Colour PatternColour(int x, int y, int width, int height) {
    if (y < height * 2 / 3) return kBars[static_cast<std::size_t>(x * static_cast<int>(kBars.size()) / width)];
    const auto grey = static_cast<std::uint8_t>(width > 1 ? x * 255 / (width - 1) : 128);
    return {grey, grey, grey};
}

bool InBand(int x, int width, std::int64_t frame) {
    const int bandWidth = std::max(1, width / 16);
    const int bandLeft = static_cast<int>((frame % kStepsPerSweep) * width / kStepsPerSweep);
    const int offset = (x - bandLeft + width) % width; // the band wraps round the right edge
    return offset < bandWidth;
}

RgbImage TopLeft(const RgbImage& image, int width, int height) {
    RgbImage part(std::min(width, image.width), std::min(height, image.height));
    const std::size_t row = static_cast<std::size_t>(part.width) * 3;
    for (int y = 0; y < part.height; ++y)
        std::copy_n(image.pixels.begin() + static_cast<std::ptrdiff_t>(image.At(0, y)), row,
                    part.pixels.begin() + static_cast<std::ptrdiff_t>(part.At(0, y)));
    return part;
}

std::int64_t MillisecondsOfDay(const LocalDateTime& t) {
    return ((static_cast<std::int64_t>(t.hour) * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

} // namespace

RgbImage TestPatternFrame(int width, int height, std::int64_t frame) {
    if (width <= 0 || height <= 0) return {};
    RgbImage image(width, height);
    frame = ((frame % kStepsPerSweep) + kStepsPerSweep) % kStepsPerSweep;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Colour c = InBand(x, width, frame) ? Colour{24, 24, 24} : PatternColour(x, y, width, height);
            const std::size_t at = image.At(x, y);
            image.pixels[at] = c.red;
            image.pixels[at + 1] = c.green;
            image.pixels[at + 2] = c.blue;
        }
    return image;
}

bool TestPatternCapture::CreatePreviewWindow(int width, int height) {
    window_ = true;
    ResizePreviewWindow(width, height);
    return true;
}

void TestPatternCapture::ResizePreviewWindow(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
}

std::int64_t TestPatternCapture::FrameNumberAt(const LocalDateTime& t) const {
    return MillisecondsOfDay(t) / (rate_ > 0 ? rate_ : kDefaultRate);
}

RgbImage TestPatternCapture::GrabShowing() {
    if (!window_ || !connected_ || !preview_ || width_ == 0 || height_ == 0) return {};
    const std::int64_t frame = FrameNumberAt(clock_.Now());
    if (scale_) return TestPatternFrame(width_, height_, frame);
    return TopLeft(TestPatternFrame(kSourceWidth, kSourceHeight, frame), width_, height_);
}

} // namespace vq
