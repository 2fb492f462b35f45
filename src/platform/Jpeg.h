#pragma once

#include "platform/RgbImage.h"

#include <string>
#include <string_view>

namespace vq {

// JPEG through libjpeg. Every failure (a broken picture, a file that cannot be read or written)
// throws PlatformError with a readable message.

// quality 1 to 100; the camera stores its snapshots at 100.
[[nodiscard]] std::string EncodeJpeg(const RgbImage& image, int quality);
[[nodiscard]] RgbImage DecodeJpeg(std::string_view bytes);

// The file gets the whole picture or keeps what it held (see ReplaceFile).
void WriteJpegFile(const std::string& path, const RgbImage& image, int quality);
[[nodiscard]] RgbImage ReadJpegFile(const std::string& path);

} // namespace vq
