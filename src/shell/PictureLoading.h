#pragma once

#include "platform/RgbImage.h"

#include <string>

namespace vq {
struct Picture;
struct Button;

// Shows the picture file in the picture (or as the button's glyph). Throws PlatformError when the
// file is missing or no bitmap or JPEG picture, leaving the control as it was.
void LoadPicture(Picture& picture, const std::string& path);
void LoadGlyph(Button& button, const std::string& path);
// Decodes a JPEG photo into the picture. Throws PlatformError when the file is missing or no
// readable JPEG, leaving the control as it was.
void LoadPhoto(Picture& picture, const std::string& path);
// Shows a picture the program holds in memory (a snapshot not yet or never written to a file).
void ShowImage(Picture& picture, RgbImage image);

} // namespace vq
