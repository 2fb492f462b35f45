#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// A picture as red, green and blue bytes, row by row from the top left.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 3 bytes

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h * 3, 0) {}
};

// JPEG through libjpeg. Every failure (a broken picture, a file that cannot be read or written)
// throws PlatformError with a readable message.

// quality 1 to 100; the camera stores its snapshots at 100.
[[nodiscard]] std::string EncodeJpeg(const RgbImage& image, int quality);
[[nodiscard]] RgbImage DecodeJpeg(std::string_view bytes);

void WriteJpegFile(const std::string& path, const RgbImage& image, int quality);
[[nodiscard]] RgbImage ReadJpegFile(const std::string& path);

} // namespace vq
