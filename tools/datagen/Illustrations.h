#pragma once

#include <string>

namespace datagen {

// Draws the profile site's stock pictures "illustration00.jpg" (the fallback, a person's outline)
// to "illustration11.jpg" into folder: friendly 160 x 120 illustrations of animals, flowers and food.
void DrawIllustrations(const std::string& folder);

} // namespace datagen
