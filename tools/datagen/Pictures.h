#pragma once

#include <string>

namespace datagen {

// The pictures of the data folder's body_picture/: the ten bodies the swatches load and the two
// glyphs of the home key.
void DrawPhonePictures(const std::string& folder);

// The desktop phone's own pictures, built into the program: the designed black body, the status bar,
// the three key glyphs and the faces of swatches 1 to 8.
void DrawBuiltInPictures(const std::string& folder);

} // namespace datagen
