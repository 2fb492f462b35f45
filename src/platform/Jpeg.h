#pragma once

#include "platform/PictureSize.h"
#include "platform/RgbImage.h"

#include <string>
#include <string_view>

namespace vq {

// JPEG through libjpeg. Every failure (a broken picture, one larger than allowed, a file that cannot
// be read or written) throws PlatformError with a readable message.

// Mail photos and profile pictures are camera shots of 160 x 120; this leaves room for any camera.
inline constexpr PictureSize kLargestPhoto{4096, 4096};

// quality 1 to 100; the camera stores its snapshots at 100.
[[nodiscard]] std::string EncodeJpeg(const RgbImage& image, int quality);
[[nodiscard]] RgbImage DecodeJpeg(std::string_view bytes, PictureSize largest = kLargestPhoto);
// The size the picture's header gives, without decoding it.
[[nodiscard]] PictureSize JpegSize(std::string_view bytes);

void WriteJpegFile(const std::string& path, const RgbImage& image, int quality);
[[nodiscard]] RgbImage ReadJpegFile(const std::string& path, PictureSize largest = kLargestPhoto);

} // namespace vq
