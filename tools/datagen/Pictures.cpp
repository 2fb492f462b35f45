#include "Pictures.h"

#include "Canvas.h"

namespace datagen {
namespace {

// The see-through colour of every body picture: the lower-left pixel is read as the transparent one.
constexpr Colour kBackground{255, 163, 177};
constexpr Colour kScreen{0, 0, 0};

struct BodyStyle {
    const char* file;
    Colour top;
    Colour bottom;
};

void DrawBody(const std::string& folder, const BodyStyle& style) {
    Canvas c(400, 730, kBackground);
    c.GradientRoundRect(6, 4, 388, 722, 52, style.top, style.bottom);
    c.FillRoundRect(22, 18, 356, 694, 40, {24, 24, 28});
    c.FillRect(30, 55, 343, 550, kScreen);
    c.FillRoundRect(160, 30, 80, 8, 4, {70, 70, 76});
    c.FillEllipse(260, 34, 5, 5, {40, 60, 90});
    c.WriteBmp(folder + "/" + style.file);
}

void DrawGlyph(const std::string& path, int width, int height, int kind) {
    const Colour ink{0, 0, 0};
    Canvas c(width, height, {255, 255, 255});
    if (kind == 0) { // back: a left-pointing triangle
        c.Line(30, 8, 16, 18, 3, ink);
        c.Line(16, 18, 30, 28, 3, ink);
        c.Line(30, 8, 30, 28, 3, ink);
    } else if (kind == 1) { // home: a house
        c.Line(12, 18, 24, 7, 3, ink);
        c.Line(24, 7, 36, 18, 3, ink);
        c.OutlineRect(15, 18, 19, 12, 3, ink);
    } else if (kind == 2) { // menu: a square
        c.OutlineRect(15, 9, 18, 18, 3, ink);
    } else { // one-key body: a round button
        c.FillEllipse(width / 2, height / 2, width / 2 - 2, height / 2 - 2, {60, 60, 60});
        c.FillEllipse(width / 2, height / 2, width / 2 - 6, height / 2 - 6, {255, 255, 255});
        c.OutlineRect(width / 2 - 9, height / 2 - 9, 18, 18, 2, {60, 60, 60});
    }
    c.WriteBmp(path);
}

} // namespace

void DrawPhonePictures(const std::string& folder) {
    const BodyStyle bodies[] = {
        {"smartphoneK.bmp", {70, 70, 76}, {20, 20, 24}},     {"smartphoneW.bmp", {250, 250, 250}, {215, 215, 220}},
        {"smartphoneB.bmp", {80, 140, 230}, {20, 60, 160}},  {"smartphoneR.bmp", {235, 80, 80}, {160, 20, 30}},
        {"smartphoneY.bmp", {255, 230, 90}, {225, 180, 20}}, {"smartphoneG.bmp", {110, 210, 120}, {30, 130, 60}},
        {"chocolate.bmp", {130, 80, 45}, {80, 45, 20}},      {"slaim.bmp", {120, 230, 160}, {40, 170, 110}},
        {"transparency.bmp", {200, 230, 245}, {150, 200, 230}}, {"iPhone_W.bmp", {252, 252, 252}, {225, 225, 230}},
    };
    for (const BodyStyle& b : bodies) DrawBody(folder, b);

    Canvas status(280, 38, {200, 200, 204});
    status.FillRect(230, 12, 34, 16, {40, 170, 60});
    status.FillRect(264, 16, 4, 8, {40, 170, 60});
    for (int i = 0; i < 4; ++i) status.FillRect(14 + i * 8, 26 - i * 5, 5, 5 + i * 5, {40, 90, 200});
    status.WriteBmp(folder + "/status_bar.bmp");

    DrawGlyph(folder + "/glyph_back.bmp", 48, 36, 0);
    DrawGlyph(folder + "/icon_A_home.bmp", 48, 36, 1);
    DrawGlyph(folder + "/glyph_menu.bmp", 48, 36, 2);
    DrawGlyph(folder + "/iPhoneButton.bmp", 56, 56, 3);
}

} // namespace datagen
