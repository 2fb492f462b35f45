#pragma once

#include "Canvas.h"

namespace datagen {

// Every body picture is 400 x 730 with its see-through colour at the lower-left pixel; the browser
// and the panels cover the screen rectangle, the keys the row below it.
inline constexpr int kBodyWidth = 400;
inline constexpr int kBodyHeight = 730;
inline constexpr Colour kSeeThrough{255, 163, 177};

// The colour of a plastic body: light where the room's light falls, dark where it does not.
struct BodyColour {
    Colour light;
    Colour dark;
};

// A phone with three keys under the screen, its face in one colour.
Canvas ThreeKeyBody(BodyColour colour);
Canvas ChocolateBody();
Canvas SlimeBody();
Canvas ClearBody();
// The white phone with one round key.
Canvas OneKeyBody();

} // namespace datagen
