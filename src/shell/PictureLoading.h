#pragma once

#include <string>

namespace vq {
struct Picture;
struct Button;

// Shows the picture file in the picture (or as the button's glyph). Throws PlatformError when the
// file is missing or no bitmap or JPEG picture, leaving the control as it was.
void LoadPicture(Picture& picture, const std::string& path);
void LoadGlyph(Button& button, const std::string& path);

} // namespace vq
