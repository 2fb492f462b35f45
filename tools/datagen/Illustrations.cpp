#include "Illustrations.h"

#include "Canvas.h"

#include "platform/Jpeg.h"
#include "platform/NativePath.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace datagen {
namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;
// Drawn at twice the size and averaged down, which smooths every edge.
constexpr int kScale = 2;

struct Point {
    double x = 0;
    double y = 0;
};

constexpr Colour kInk{60, 40, 40};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kCheek{255, 170, 180};

// Shapes the shared canvas lacks, in the coordinates of the final 160 x 120 picture.
class Painter {
public:
    explicit Painter(Colour background) : canvas_(kWidth * kScale, kHeight * kScale, background) {}

    void Rect(double left, double top, double width, double height, Colour c) {
        canvas_.FillRect(S(left), S(top), S(width), S(height), c);
    }
    void RoundRect(double left, double top, double width, double height, double radius, Colour c) {
        canvas_.FillRoundRect(S(left), S(top), S(width), S(height), S(radius), c);
    }
    void Ellipse(double cx, double cy, double rx, double ry, Colour c) { canvas_.FillEllipse(S(cx), S(cy), S(rx), S(ry), c); }
    void Circle(double cx, double cy, double r, Colour c) { Ellipse(cx, cy, r, r, c); }
    void Line(double x0, double y0, double x1, double y1, double thickness, Colour c) {
        canvas_.Line(S(x0), S(y0), S(x1), S(y1), std::max(1, S(thickness)), c);
    }

    // An ellipse turned by angle (radians, clockwise on screen).
    void TurnedEllipse(double cx, double cy, double rx, double ry, double angle, Colour c) {
        const double reach = std::max(rx, ry);
        const double cosA = std::cos(angle), sinA = std::sin(angle);
        Fill({cx - reach, cy - reach, cx + reach, cy + reach}, c, [&](double x, double y) {
            const double dx = x - cx, dy = y - cy;
            const double u = (dx * cosA + dy * sinA) / rx, v = (-dx * sinA + dy * cosA) / ry;
            return u * u + v * v <= 1.0;
        });
    }

    void Polygon(const std::vector<Point>& points, Colour c) {
        const Box box = BoundsOf(points, 0);
        Fill(box, c, [&](double x, double y) { return Inside(points, x, y); });
    }

    // A polygon with its corners rounded off by radius: the shape of a rice ball.
    void RoundedPolygon(const std::vector<Point>& corners, double radius, Colour c) {
        Fill(BoundsOf(corners, radius), c, [&](double x, double y) {
            if (Inside(corners, x, y)) return true;
            for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++)
                if (DistanceToSegment({x, y}, corners[j], corners[i]) <= radius) return true;
            return false;
        });
    }

    // The part of the circle around (cx, cy) that the circle around (bx, by) does not cover.
    void Crescent(double cx, double cy, double r, double bx, double by, double br, Colour c) {
        Fill({cx - r, cy - r, cx + r, cy + r}, c, [&](double x, double y) {
            const double ax = x - cx, ay = y - cy, ox = x - bx, oy = y - by;
            return ax * ax + ay * ay <= r * r && ox * ox + oy * oy > br * br;
        });
    }

    // A thick arc of the circle around (cx, cy), from angle a0 to a1 (radians, 0 to the right,
    // growing clockwise on screen): smiles and crescent edges.
    void Arc(double cx, double cy, double r, double a0, double a1, double thickness, Colour c) {
        constexpr int kSteps = 24;
        for (int i = 0; i < kSteps; ++i) {
            const double t0 = a0 + (a1 - a0) * i / kSteps, t1 = a0 + (a1 - a0) * (i + 1) / kSteps;
            Line(cx + r * std::cos(t0), cy + r * std::sin(t0), cx + r * std::cos(t1), cy + r * std::sin(t1), thickness, c);
        }
    }

    void Star(double cx, double cy, double outer, double inner, Colour c) {
        std::vector<Point> points;
        for (int i = 0; i < 10; ++i) {
            const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const double r = i % 2 == 0 ? outer : inner;
            points.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
        }
        Polygon(points, c);
    }

    // Two shining eyes.
    void Eyes(double cx, double cy, double apart, double size) {
        for (double side : {-1.0, 1.0}) {
            Ellipse(cx + side * apart, cy, size, size * 1.2, kInk);
            Circle(cx + side * apart - size * 0.3, cy - size * 0.4, size * 0.35, kWhite);
        }
    }

    void Smile(double cx, double cy, double r) { Arc(cx, cy, r, 0.2 * std::numbers::pi, 0.8 * std::numbers::pi, 1.5, kInk); }

    void Cheeks(double cx, double cy, double apart) {
        for (double side : {-1.0, 1.0}) Ellipse(cx + side * apart, cy, 6, 3.5, kCheek);
    }

    // A vertical blend over the whole picture.
    void Sky(Colour top, Colour bottom) {
        for (int y = 0; y < canvas_.Height(); ++y) {
            const double t = static_cast<double>(y) / (canvas_.Height() - 1);
            const Colour c{Mix(top.r, bottom.r, t), Mix(top.g, bottom.g, t), Mix(top.b, bottom.b, t)};
            canvas_.FillRect(0, y, canvas_.Width(), 1, c);
        }
    }

    [[nodiscard]] vq::RgbImage Picture() const {
        vq::RgbImage image(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                int r = 0, g = 0, b = 0;
                for (int dy = 0; dy < kScale; ++dy)
                    for (int dx = 0; dx < kScale; ++dx) {
                        const Colour c = canvas_.Get(x * kScale + dx, y * kScale + dy);
                        r += c.r;
                        g += c.g;
                        b += c.b;
                    }
                const std::size_t at = (static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)) * 3;
                constexpr int kSamples = kScale * kScale;
                image.pixels[at] = static_cast<std::uint8_t>(r / kSamples);
                image.pixels[at + 1] = static_cast<std::uint8_t>(g / kSamples);
                image.pixels[at + 2] = static_cast<std::uint8_t>(b / kSamples);
            }
        return image;
    }

private:
    static int S(double v) { return static_cast<int>(std::lround(v * kScale)); }
    static std::uint8_t Mix(std::uint8_t a, std::uint8_t b, double t) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
    }

    static double DistanceToSegment(Point p, Point a, Point b) {
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
        return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
    }

    static bool Inside(const std::vector<Point>& points, double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Point& a = points[i];
            const Point& b = points[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
        }
        return inside;
    }

    struct Box {
        double left, top, right, bottom;
    };

    // The box around the points, widened by margin on every side.
    static Box BoundsOf(const std::vector<Point>& points, double margin) {
        Box box{points[0].x, points[0].y, points[0].x, points[0].y};
        for (const Point& p : points) {
            box.left = std::min(box.left, p.x);
            box.right = std::max(box.right, p.x);
            box.top = std::min(box.top, p.y);
            box.bottom = std::max(box.bottom, p.y);
        }
        return {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin};
    }

    // Sets every pixel of the box whose centre the test accepts.
    void Fill(const Box& box, Colour c, const std::function<bool(double, double)>& test) {
        for (int py = std::max(0, S(box.top)); py <= std::min(canvas_.Height() - 1, S(box.bottom)); ++py)
            for (int px = std::max(0, S(box.left)); px <= std::min(canvas_.Width() - 1, S(box.right)); ++px)
                if (test((px + 0.5) / kScale, (py + 0.5) / kScale)) canvas_.Set(px, py, c);
    }

    Canvas canvas_;
};

constexpr double kPi = std::numbers::pi;

// 00, the picture of a profile without one: a friendly outline of a person.
void Person(Painter& p) {
    p.Sky({225, 235, 245}, {195, 210, 228});
    p.Ellipse(80, 128, 46, 42, {150, 168, 190});
    p.Circle(80, 52, 26, {150, 168, 190});
}

void Cat(Painter& p) {
    p.Sky({255, 246, 214}, {255, 226, 170});
    const Colour fur{245, 170, 80};
    p.Polygon({{44, 48}, {50, 12}, {74, 36}}, fur);
    p.Polygon({{116, 48}, {110, 12}, {86, 36}}, fur);
    p.Polygon({{50, 42}, {53, 22}, {66, 36}}, kCheek);
    p.Polygon({{110, 42}, {107, 22}, {94, 36}}, kCheek);
    p.Ellipse(80, 66, 44, 38, fur);
    p.Polygon({{72, 34}, {80, 30}, {88, 34}, {80, 46}}, {225, 140, 60});
    p.Eyes(80, 60, 17, 5);
    p.Polygon({{75, 72}, {85, 72}, {80, 78}}, {235, 110, 130});
    p.Arc(75, 78, 5, 0.1 * kPi, 0.9 * kPi, 1.4, kInk);
    p.Arc(85, 78, 5, 0.1 * kPi, 0.9 * kPi, 1.4, kInk);
    for (double side : {-1.0, 1.0})
        for (double dy : {-4.0, 3.0}) p.Line(80 + side * 22, 74 + dy * 0.3, 80 + side * 46, 70 + dy, 1.2, kInk);
    p.Cheeks(80, 76, 26);
}

void Dog(Painter& p) {
    p.Sky({214, 236, 255}, {180, 214, 250});
    const Colour fur{200, 140, 90};
    const Colour ear{140, 90, 55};
    p.TurnedEllipse(40, 52, 14, 30, 0.35, ear);
    p.TurnedEllipse(120, 52, 14, 30, -0.35, ear);
    p.Ellipse(80, 62, 40, 40, fur);
    p.Ellipse(80, 82, 24, 18, {250, 235, 215});
    p.Eyes(80, 56, 16, 5);
    p.Ellipse(80, 72, 8, 6, kInk);
    p.Arc(74, 80, 6, 0.1 * kPi, 0.9 * kPi, 1.4, kInk);
    p.Arc(86, 80, 6, 0.1 * kPi, 0.9 * kPi, 1.4, kInk);
    p.Ellipse(80, 92, 6, 7, {235, 100, 110});
}

void Rabbit(Painter& p) {
    p.Sky({225, 248, 220}, {190, 232, 185});
    const Colour fur{252, 252, 250};
    p.TurnedEllipse(62, 28, 11, 30, -0.2, fur);
    p.TurnedEllipse(98, 28, 11, 30, 0.2, fur);
    p.TurnedEllipse(62, 30, 5, 22, -0.2, kCheek);
    p.TurnedEllipse(98, 30, 5, 22, 0.2, kCheek);
    p.Ellipse(80, 76, 38, 32, fur);
    p.Eyes(80, 72, 15, 4.5);
    p.Ellipse(80, 84, 4, 3, {235, 110, 130});
    p.Smile(80, 84, 6);
    p.Cheeks(80, 88, 24);
}

void Tulip(Painter& p) {
    p.Sky({205, 235, 255}, {240, 250, 255});
    p.Rect(0, 100, 160, 20, {120, 190, 90});
    const Colour leaf{70, 160, 70};
    p.Line(80, 58, 80, 108, 5, leaf);
    p.TurnedEllipse(66, 90, 8, 20, -0.6, leaf);
    p.TurnedEllipse(94, 92, 8, 18, 0.6, leaf);
    const Colour petal{235, 70, 90};
    p.Ellipse(80, 48, 20, 18, petal);
    p.Polygon({{60, 48}, {62, 22}, {72, 38}}, petal);
    p.Polygon({{72, 40}, {80, 18}, {88, 40}}, {250, 110, 125});
    p.Polygon({{100, 48}, {98, 22}, {88, 38}}, petal);
    p.Eyes(80, 50, 8, 2.5);
    p.Smile(80, 54, 4);
}

void Sunflower(Painter& p) {
    p.Sky({120, 190, 250}, {200, 235, 255});
    const Colour leaf{60, 150, 60};
    p.Line(80, 60, 80, 120, 6, leaf);
    p.TurnedEllipse(64, 100, 7, 16, -0.9, leaf);
    p.TurnedEllipse(96, 96, 7, 16, 0.9, leaf);
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * kPi / 14;
        p.TurnedEllipse(80 + 26 * std::cos(a), 48 + 26 * std::sin(a), 6, 13, a + kPi / 2, {255, 205, 40});
    }
    p.Circle(80, 48, 20, {130, 80, 40});
    p.Eyes(80, 45, 7, 2.5);
    p.Smile(80, 50, 5);
}

void Cake(Painter& p) {
    p.Sky({255, 228, 236}, {255, 205, 220});
    p.Ellipse(80, 104, 62, 10, kWhite);
    p.RoundRect(36, 58, 88, 46, 6, {255, 246, 225});
    p.Rect(36, 78, 88, 7, {240, 120, 140});
    p.RoundRect(34, 52, 92, 12, 6, kWhite);
    for (double x : {50.0, 80.0, 110.0}) {
        p.Ellipse(x, 48, 8, 9, {220, 40, 60});
        p.Polygon({{x - 5, 40}, {x, 36}, {x + 5, 40}, {x, 43}}, {60, 160, 70});
        p.Circle(x - 3, 46, 1.6, {255, 220, 220});
    }
    p.Rect(78, 18, 4, 20, {130, 190, 250});
    p.TurnedEllipse(80, 13, 3.5, 6, 0, {255, 170, 40});
}

void Apple(Painter& p) {
    p.Sky({255, 250, 225}, {250, 238, 190});
    const Colour red{225, 45, 55};
    p.Circle(66, 66, 32, red);
    p.Circle(94, 66, 32, red);
    p.Ellipse(80, 78, 40, 30, red);
    p.Line(80, 38, 84, 22, 3, {120, 80, 40});
    p.TurnedEllipse(96, 26, 6, 13, 1.1, {80, 170, 70});
    p.TurnedEllipse(62, 52, 5, 9, 0.5, {255, 150, 150});
    p.Eyes(80, 68, 12, 3.5);
    p.Smile(80, 74, 6);
}

void RiceBall(Painter& p) {
    p.Sky({255, 238, 210}, {250, 220, 180});
    p.RoundedPolygon({{80, 30}, {112, 88}, {48, 88}}, 14, {255, 255, 252});
    p.RoundRect(60, 78, 40, 24, 3, {35, 55, 45});
    p.Eyes(80, 58, 12, 3.5);
    p.Smile(80, 62, 5);
    p.Cheeks(80, 68, 20);
}

void Penguin(Painter& p) {
    p.Sky({200, 232, 255}, {235, 248, 255});
    p.Rect(0, 104, 160, 16, kWhite);
    const Colour navy{40, 50, 80};
    p.TurnedEllipse(52, 72, 8, 22, 0.4, navy);
    p.TurnedEllipse(108, 72, 8, 22, -0.4, navy);
    p.Ellipse(80, 66, 32, 42, navy);
    p.Ellipse(80, 74, 22, 32, kWhite);
    p.Ellipse(80, 46, 24, 16, kWhite);
    p.Eyes(80, 46, 10, 3.5);
    p.Polygon({{74, 52}, {86, 52}, {80, 60}}, {250, 160, 40});
    p.Ellipse(70, 106, 8, 4, {250, 160, 40});
    p.Ellipse(90, 106, 8, 4, {250, 160, 40});
    p.Cheeks(80, 56, 16);
}

void StarryNight(Painter& p) {
    p.Sky({20, 30, 80}, {70, 60, 140});
    p.Crescent(52, 46, 24, 64, 38, 22, {255, 230, 120});
    const Colour star{255, 240, 150};
    p.Star(112, 30, 12, 5, star);
    p.Star(128, 78, 8, 3.5, star);
    p.Star(84, 92, 6, 2.5, star);
    p.Star(30, 96, 5, 2, star);
    p.Star(98, 58, 4, 1.8, kWhite);
    p.Rect(0, 108, 160, 12, {30, 40, 70});
}

void IceCream(Painter& p) {
    p.Sky({215, 250, 240}, {185, 238, 222});
    const Colour cone{225, 170, 100};
    p.Polygon({{56, 62}, {104, 62}, {80, 116}}, cone);
    for (int i = 0; i < 4; ++i) {
        p.Line(60 + i * 12, 62, 82 + i * 6, 104 - i * 10, 1.2, {190, 130, 70});
        p.Line(100 - i * 12, 62, 78 - i * 6, 104 - i * 10, 1.2, {190, 130, 70});
    }
    p.Circle(80, 56, 24, {250, 175, 195});
    p.Circle(80, 32, 19, {170, 230, 200});
    p.Circle(86, 14, 6, {220, 30, 50});
    p.Line(87, 9, 92, 2, 1.5, {90, 130, 50});
    p.Eyes(80, 56, 9, 3);
    p.Smile(80, 61, 5);
}

} // namespace

void DrawIllustrations(const std::string& folder) {
    const std::vector<std::function<void(Painter&)>> pictures{Person, Cat, Dog, Rabbit, Tulip, Sunflower,
                                                               Cake, Apple, RiceBall, Penguin, StarryNight, IceCream};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        Painter painter({255, 255, 255});
        pictures[i](painter);
        char name[48];
        std::snprintf(name, sizeof name, "/illustration%02zu.jpg", i);
        vq::WriteJpegFile(vq::FromNativeName(folder + name), painter.Picture(), 90);
    }
}

} // namespace datagen
