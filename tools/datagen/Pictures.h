#pragma once

#include <string>

namespace datagen {

// Draws the phone's pictures (bodies, status bar, key glyphs, swatch faces) into folder.
void DrawPhonePictures(const std::string& folder);

} // namespace datagen
