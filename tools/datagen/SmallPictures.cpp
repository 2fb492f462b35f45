#include "SmallPictures.h"

namespace datagen {
namespace {

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kInk{0, 0, 0};
constexpr double kStroke = 2.6;

} // namespace

Canvas StatusBar() {
    Canvas c(280, 38, {205, 205, 209});
    c.Paint(RoundRect(0, 0, 280, 38, 0), LinearGradient(0, 0, Colour{226, 226, 230}, 0, 38, Colour{190, 190, 196}));
    c.Paint(RoundRect(0, 37, 280, 1, 0), Colour{160, 160, 166});
    const Colour blue{36, 96, 206};
    // The antenna: a mast and four bars rising to the right.
    c.Paint(Capsule(14, 9, 14, 29, 1.3), blue);
    c.Paint(Polygon({{8, 8}, {20, 8}, {14, 16}}), blue);
    for (int i = 0; i < 4; ++i) c.Paint(RoundRect(24 + i * 8, 25 - i * 5, 5, 5 + i * 5, 1), blue);
    // The battery, full.
    const Colour green{44, 170, 64};
    c.Paint(Outline(RoundRect(228, 11, 36, 17, 3), 2), Colour{70, 74, 80});
    c.Paint(RoundRect(264, 16, 4, 7, 1.5), Colour{70, 74, 80});
    for (int i = 0; i < 4; ++i) c.Paint(RoundRect(231.5 + i * 7.8, 14, 6.4, 11, 1), green);
    return c;
}

Canvas KeyGlyph(Glyph glyph) {
    Canvas c(48, 36, kWhite);
    switch (glyph) {
    case Glyph::Back:
        c.Paint(Outline(Polygon({{14, 18}, {32, 7.5}, {32, 28.5}}), kStroke), kInk);
        break;
    case Glyph::Home: {
        const Shape house = Union(Polygon({{24, 5}, {9.5, 18}, {38.5, 18}}), RoundRect(14, 16, 20, 14, 0.5));
        c.Paint(Outline(house, kStroke), kInk);
        c.Paint(Outline(RoundRect(21, 22, 6, 8, 0.5), kStroke * 0.8), kInk);
        break;
    }
    case Glyph::Menu:
        c.Paint(Outline(RoundRect(15, 9, 18, 18, 1.5), kStroke), kInk);
        break;
    }
    return c;
}

Canvas RoundKeyGlyph() {
    Canvas c(48, 48, kWhite);
    c.Paint(Outline(Ellipse(24, 24, 21, 21), 1.6), Colour{150, 152, 160});
    c.Paint(Outline(RoundRect(16.5, 16.5, 15, 15, 3.5), 1.8), Colour{90, 92, 100});
    return c;
}

Canvas ColourBlockFace(Colour light, Colour dark) {
    Canvas c(55, 55, kWhite);
    const Shape block = RoundRect(5, 4, 45, 47, 10);
    c.Paint(Grow(block, 1), Darker(dark, 0.3));
    c.Paint(block, LinearGradient(5, 4, light, 50, 51, dark));
    c.Paint(Intersect(Grow(block, -2), Ellipse(18, 10, 22, 12)), kWhite, 0.35);
    return c;
}

Canvas ChocolateFace() {
    Canvas c(48, 48, kWhite);
    c.Paint(RoundRect(3, 4, 42, 40, 4), Colour{52, 27, 12});
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            const double x = 6 + column * 19;
            const double y = 7 + row * 18;
            c.Paint(RoundRect(x, y, 17, 16, 3), LinearGradient(x, y, Colour{140, 86, 48}, x + 17, y + 16, Colour{76, 40, 18}));
            c.Paint(RoundRect(x + 4, y + 4, 9, 8, 2), Colour{92, 52, 26});
        }
    return c;
}

Canvas SlimeFace() {
    Canvas c(48, 48, kWhite);
    const Shape drop = Union(Ellipse(24, 31, 20, 14), Polygon({{24, 4}, {9, 26}, {39, 26}}));
    c.Paint(Grow(drop, 1), Colour{16, 96, 40});
    c.Paint(drop, RadialGradient(17, 20, 34, Colour{178, 246, 140}, Colour{24, 140, 58}));
    c.Paint(Ellipse(16, 25, 4, 6), kWhite, 0.7);
    return c;
}

} // namespace datagen
