#include "Pictures.h"

#include "PhoneBodies.h"
#include "SmallPictures.h"

#include <array>

namespace datagen {
namespace {

struct NamedColour {
    const char* letter;
    BodyColour colour;
};

// The six colours of the three-key body, in swatch order: black, white, blue, red, yellow, green.
constexpr std::array<NamedColour, 6> kBodyColours{{
    {"K", {{78, 80, 90}, {10, 10, 14}}},
    {"W", {{255, 255, 255}, {208, 210, 218}}},
    {"B", {{96, 156, 244}, {16, 56, 160}}},
    {"R", {{244, 96, 96}, {150, 14, 28}}},
    {"Y", {{255, 236, 110}, {222, 164, 16}}},
    {"G", {{126, 218, 126}, {22, 124, 56}}},
}};

} // namespace

void DrawPhonePictures(const std::string& folder) {
    for (const NamedColour& body : kBodyColours)
        ThreeKeyBody(body.colour).WriteBmp(folder + "/smartphone" + body.letter + ".bmp");
    ChocolateBody().WriteBmp(folder + "/chocolate.bmp");
    SlimeBody().WriteBmp(folder + "/slaim.bmp");
    ClearBody().WriteBmp(folder + "/transparency.bmp");
    OneKeyBody().WriteBmp(folder + "/iPhone_W.bmp");
    KeyGlyph(Glyph::Home).WriteBmp(folder + "/icon_A_home.bmp");
    RoundKeyGlyph().WriteBmp(folder + "/iPhoneButton.bmp");
}

void DrawBuiltInPictures(const std::string& folder) {
    ThreeKeyBody(kBodyColours[0].colour).WriteBmp(folder + "/body.bmp");
    StatusBar().WriteBmp(folder + "/status_bar.bmp");
    KeyGlyph(Glyph::Back).WriteBmp(folder + "/glyph_back.bmp");
    KeyGlyph(Glyph::Home).WriteBmp(folder + "/glyph_home.bmp");
    KeyGlyph(Glyph::Menu).WriteBmp(folder + "/glyph_menu.bmp");
    for (std::size_t i = 0; i < kBodyColours.size(); ++i)
        ColourBlockFace(kBodyColours[i].colour.light, kBodyColours[i].colour.dark)
            .WriteBmp(folder + "/swatch" + std::to_string(i + 1) + ".bmp");
    ChocolateFace().WriteBmp(folder + "/swatch7.bmp");
    SlimeFace().WriteBmp(folder + "/swatch8.bmp");
}

} // namespace datagen
