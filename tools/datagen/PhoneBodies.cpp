#include "PhoneBodies.h"

#include <tuple>
#include <utility>
#include <vector>

namespace datagen {
namespace {

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kGlass{14, 14, 18};

// Where the browser sits (it covers this exactly) and the row of the three keys.
constexpr double kScreenLeft = 30, kScreenTop = 55, kScreenWidth = 343, kScreenHeight = 550;
constexpr double kKeysLeft = 30, kKeysTop = 611, kKeysWidth = 341, kKeysHeight = 46;
// The power key sits on the top edge of the face.
constexpr double kPowerLeft = 288, kPowerTop = 20, kPowerWidth = 57, kPowerHeight = 28;

Shape Case(double radius) { return RoundRect(5, 3, 390, 722, radius); }

Shape SideKeys() {
    return Union(Union(RoundRect(1, 150, 10, 36, 3), RoundRect(1, 196, 10, 36, 3)), RoundRect(389, 168, 10, 54, 3));
}

Shader Diagonal(BodyColour c) { return LinearGradient(40, 0, c.light, 360, 730, c.dark); }

// The outline, hard-edged so the see-through colour stays exact, with a soft face inside it.
void Body(Canvas& canvas, const Shape& silhouette, const Shader& face, Colour rim) {
    canvas.PaintHard(Union(silhouette, SideKeys()), Darker(rim, 0.25));
    canvas.Paint(SideKeys(), LinearGradient(0, 150, Lighter(rim, 0.35), 0, 232, rim));
    canvas.PaintHard(silhouette, rim);
    canvas.Paint(Grow(silhouette, -2.5), face);
    // A bevel: light along the upper inner edge, as on moulded plastic.
    canvas.Paint(Intersect(Outline(Grow(silhouette, -4), 1.6), RoundRect(0, 0, 400, 360, 0)), kWhite, 0.35);
}

// Light falling on the left of the face, fading out towards the middle.
void Sheen(Canvas& canvas, const Shape& silhouette, double strength) {
    canvas.PaintSoft(Intersect(Ellipse(40, 150, 190, 520), Grow(silhouette, -5)), kWhite, strength, 80);
}

// The black glass around the screen, with a little of the room reflected in its border.
void ScreenWindow(Canvas& canvas, double left, double top, double width, double height, double radius) {
    const Shape glass = RoundRect(left, top, width, height, radius);
    canvas.Paint(Grow(glass, 1.5), Colour{0, 0, 0}, 0.6);
    canvas.Paint(glass, LinearGradient(left, top, Colour{44, 46, 54}, left + width, top + height, kGlass));
    canvas.Paint(Intersect(glass, Polygon({{left, top + 120}, {left + 190, top}, {left + 250, top}, {left, top + 200}})),
                 kWhite, 0.07);
    canvas.Paint(RoundRect(kScreenLeft, kScreenTop, kScreenWidth, kScreenHeight, 0), Colour{0, 0, 0});
}

void Earpiece(Canvas& canvas, double cx, double y, Colour face) {
    canvas.Paint(RoundRect(cx - 36, y, 72, 9, 4.5), Darker(face, 0.55));
    canvas.Paint(RoundRect(cx - 34, y + 1.5, 68, 6, 3), Colour{30, 30, 34});
    for (double x = cx - 30; x <= cx + 30; x += 5) canvas.Paint(Ellipse(x, y + 4.5, 1, 1), Colour{70, 70, 76});
}

void FrontCamera(Canvas& canvas, double cx, double cy) {
    canvas.Paint(Ellipse(cx, cy, 7, 7), Colour{20, 20, 26});
    canvas.Paint(Ellipse(cx, cy, 4, 4), RadialGradient(cx - 1, cy - 1, 4, Colour{60, 80, 140}, Colour{10, 10, 30}));
    canvas.Paint(Ellipse(cx - 1.5, cy - 1.5, 1.2, 1.2), kWhite, 0.8);
    canvas.Paint(Ellipse(cx - 22, cy, 2.5, 2.5), Colour{30, 30, 36});
}

// A shallow recess, darker than the face, that a key or the power key sits in; light catches its
// lower inner edge.
void Recess(Canvas& canvas, double left, double top, double width, double height, double radius, Colour face) {
    const Shape hole = RoundRect(left, top, width, height, radius);
    canvas.Paint(Grow(hole, 1), Darker(face, 0.35));
    canvas.Paint(hole, LinearGradient(0, top, Darker(face, 0.3), 0, top + height, Darker(face, 0.1)));
    canvas.Paint(Intersect(RoundRect(left, top + height / 2, width, height / 2 + 2, 0), Outline(hole, 1.4)), Lighter(face, 0.6),
                 0.5);
}

void MicrophoneHole(Canvas& canvas, Colour face) {
    canvas.Paint(RoundRect(184, 694, 32, 6, 3), Darker(face, 0.5));
}

// Everything but the face: the screen window, the earpiece and camera, the power key's recess, the
// key row's recess and the microphone.
void FrontDetails(Canvas& canvas, Colour face) {
    ScreenWindow(canvas, 21, 44, 361, 566, 12);
    Earpiece(canvas, 200, 22, face);
    FrontCamera(canvas, 134, 26);
    Recess(canvas, kPowerLeft - 4, kPowerTop - 4, kPowerWidth + 8, kPowerHeight + 8, 9, face);
    Recess(canvas, kKeysLeft - 5, kKeysTop - 2, kKeysWidth + 10, kKeysHeight + 6, 10, face);
    MicrophoneHole(canvas, face);
}

Colour FaceAt(const Shader& face) { return face(200, 680); }

// A square of chocolate, raised from the bar, lit from the top left; clip keeps it inside the bar.
void ChocolateTile(Canvas& canvas, const Shape& clip, double left, double top, double width, double height) {
    const auto inBar = [&](Shape s) { return Intersect(std::move(s), clip); };
    const Colour highlight{200, 150, 110};
    canvas.Paint(inBar(RoundRect(left, top, width, height, 7)), Colour{52, 27, 12});
    canvas.Paint(inBar(RoundRect(left + 4, top + 4, width - 8, height - 8, 6)),
                 LinearGradient(left, top, Colour{132, 80, 44}, left + width, top + height, Colour{74, 40, 18}));
    canvas.Paint(inBar(RoundRect(left + 12, top + 12, width - 24, height - 24, 4)), Colour{86, 48, 24});
    canvas.Paint(inBar(Capsule(left + 9, top + 8, left + width - 14, top + 8, 1.2)), highlight, 0.45);
    canvas.Paint(inBar(Capsule(left + 8, top + 9, left + 8, top + height - 14, 1.2)), highlight, 0.35);
}

// Crumpled silver foil with a torn upper edge, the bar's wrapper.
void Foil(Canvas& canvas, const Shape& silhouette) {
    std::vector<std::pair<double, double>> edge{{-5, 735}};
    for (int i = 0; i <= 20; ++i) edge.push_back({i * 20.5, 668 + (i % 2 ? 9 : -4) + (i % 3) * 3});
    edge.push_back({405, 735});
    const Shape foil = Intersect(Grow(silhouette, -2.5), Polygon(edge));
    canvas.Paint(foil, LinearGradient(0, 665, Colour{236, 238, 242}, 0, 730, Colour{150, 154, 162}));
    for (int i = 0; i < 18; ++i) {
        const double x = 12 + i * 21.7;
        canvas.Paint(Intersect(Capsule(x, 668, x + 14 - (i % 4) * 6, 730, 1.3), foil), i % 2 ? kWhite : Colour{120, 124, 132},
                     0.55);
    }
}

} // namespace

Canvas ThreeKeyBody(BodyColour colour) {
    Canvas canvas(kBodyWidth, kBodyHeight, kSeeThrough);
    const Shape silhouette = Case(56);
    Body(canvas, silhouette, Diagonal(colour), Darker(colour.dark, 0.35));
    Sheen(canvas, silhouette, 0.16);
    FrontDetails(canvas, FaceAt(Diagonal(colour)));
    return canvas;
}

Canvas ChocolateBody() {
    Canvas canvas(kBodyWidth, kBodyHeight, kSeeThrough);
    // A corner bitten off: the top left, well away from the power key and the screen.
    const Shape bite = Union(Union(Ellipse(8, 6, 30, 26), Ellipse(40, -4, 18, 16)), Ellipse(-2, 36, 16, 18));
    const Shape silhouette = Subtract(Case(12), bite);
    Body(canvas, silhouette, Solid(Colour{70, 38, 18}), Colour{46, 24, 10});
    const Shape inside = Grow(silhouette, -2.5);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 4; ++column)
            ChocolateTile(canvas, inside, 8 + column * 96.5, 6 + row * 90, 92, 86);
    Foil(canvas, silhouette);
    FrontDetails(canvas, Colour{96, 56, 30});
    return canvas;
}

Canvas SlimeBody() {
    Canvas canvas(kBodyWidth, kBodyHeight, kSeeThrough);
    Shape silhouette = Wobble(RoundRect(8, 12, 384, 688, 62), 2.5, 70);
    for (const auto& [x, length, width] : {std::tuple{64.0, 22.0, 13.0}, {132.0, 14.0, 9.0}, {268.0, 24.0, 15.0},
                                          {338.0, 12.0, 10.0}})
        silhouette = Union(silhouette, Union(Ellipse(x, 698 + length / 2, width, length / 2 + 4),
                                             Ellipse(x, 700 + length, width * 0.8, width * 0.8)));
    const Shader face = RadialGradient(130, 170, 760, Colour{178, 246, 140}, Colour{24, 140, 58});
    Body(canvas, silhouette, face, Colour{16, 96, 40});
    canvas.Paint(Intersect(Grow(silhouette, -6), Ellipse(90, 120, 70, 110)), kWhite, 0.28);
    canvas.Paint(Ellipse(70, 70, 14, 20), kWhite, 0.7);
    for (const auto& [x, y, r] : {std::tuple{350.0, 640.0, 7.0}, {52.0, 640.0, 5.0}, {330.0, 690.0, 4.0},
                                 {86.0, 690.0, 6.0}, {18.0, 420.0, 3.0}, {384.0, 330.0, 3.5}}) {
        canvas.Paint(Ellipse(x, y, r, r), Colour{210, 255, 190}, 0.45);
        canvas.Paint(Ellipse(x - r / 3, y - r / 3, r / 3, r / 3), kWhite, 0.8);
    }
    FrontDetails(canvas, Colour{60, 180, 80});
    return canvas;
}

Canvas ClearBody() {
    Canvas canvas(kBodyWidth, kBodyHeight, kSeeThrough);
    const Shape silhouette = Case(56);
    const Colour parts{150, 182, 200};
    Body(canvas, silhouette, LinearGradient(40, 0, Colour{238, 246, 250}, 360, 730, Colour{196, 220, 232}),
         Colour{150, 170, 184});
    // The inside seen through the clear case: the antennas along the edges, screws, the earpiece
    // module and the board under the keys.
    canvas.Paint(Outline(Grow(silhouette, -12), 2), parts, 0.6);
    for (const auto& [x, y] : {std::pair{26.0, 24.0}, {374.0, 24.0}, {26.0, 704.0}, {374.0, 704.0}}) {
        canvas.Paint(Ellipse(x, y, 5, 5), Colour{176, 184, 192});
        canvas.Paint(Capsule(x - 3, y, x + 3, y, 0.8), Colour{110, 118, 126});
    }
    canvas.Paint(Outline(RoundRect(50, 650, 300, 64, 6), 1.6), parts, 0.7);
    for (int i = 0; i < 6; ++i) canvas.Paint(RoundRect(64 + i * 46, 668, 26, 18, 2), Colour{120, 150, 170}, 0.5);
    for (int i = 0; i < 9; ++i) canvas.Paint(Capsule(60 + i * 32, 700, 76 + i * 32, 700, 0.9), parts, 0.7);
    Sheen(canvas, silhouette, 0.35);
    FrontDetails(canvas, Colour{205, 225, 236});
    return canvas;
}

Canvas OneKeyBody() {
    Canvas canvas(kBodyWidth, kBodyHeight, kSeeThrough);
    const Shape silhouette = Case(60);
    const BodyColour pearl{{255, 255, 255}, {226, 228, 234}};
    Body(canvas, silhouette, Diagonal(pearl), Colour{168, 170, 178});
    Sheen(canvas, silhouette, 0.2);
    canvas.Paint(Grow(RoundRect(kScreenLeft, kScreenTop, kScreenWidth, kScreenHeight, 3), 4), kGlass);
    canvas.Paint(RoundRect(kScreenLeft, kScreenTop, kScreenWidth, kScreenHeight, 0), Colour{0, 0, 0});
    Earpiece(canvas, 200, 24, Colour{226, 228, 234});
    FrontCamera(canvas, 140, 28);
    Recess(canvas, kPowerLeft - 4, kPowerTop - 4, kPowerWidth + 8, kPowerHeight + 8, 9, Colour{240, 240, 244});
    // The round key: a ring pressed into the face around where the key sits.
    canvas.Paint(Ellipse(200, 661, 36, 36), LinearGradient(0, 625, Colour{196, 198, 204}, 0, 697, Colour{246, 246, 250}));
    canvas.Paint(Ellipse(200, 661, 32, 32), LinearGradient(0, 629, Colour{250, 250, 252}, 0, 693, Colour{218, 220, 226}));
    return canvas;
}

} // namespace datagen
