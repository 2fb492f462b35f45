#pragma once

#include "Canvas.h"

namespace datagen {

// The status bar over the top of the screen: an antenna and a battery on grey.
Canvas StatusBar();

// Key glyphs: black outlines on white, the white being the see-through colour of a glyph.
enum class Glyph { Back, Home, Menu };
Canvas KeyGlyph(Glyph glyph);
// The glyph of the one round key of the white body.
Canvas RoundKeyGlyph();

// The faces of the colour swatches: a rounded block of a body colour, a piece of chocolate, a slime.
Canvas ColourBlockFace(Colour light, Colour dark);
Canvas ChocolateFace();
Canvas SlimeFace();

} // namespace datagen
