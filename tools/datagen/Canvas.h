#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace datagen {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
};

// t = 0 gives a, t = 1 gives b.
Colour Mix(Colour a, Colour b, double t);
Colour Lighter(Colour c, double amount);
Colour Darker(Colour c, double amount);

// A rectangle by its edges.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// A shape as a signed distance in pixels from its edge: negative inside, positive outside. Distances
// give smooth edges at any size and make unions, cut-outs and outlines one line each. The box holds
// every pixel the shape covers, so that painting a small shape looks at few pixels.
struct Shape {
    std::function<double(double x, double y)> distance;
    Box box;
    double operator()(double x, double y) const { return distance(x, y); }
};
// The colour a filled shape has at a pixel.
using Shader = std::function<Colour(double x, double y)>;

// How much of the pixel whose centre is x, y the shape covers, from 0 to 1: the smoothed edge.
double Coverage(const Shape& shape, double x, double y);

// The whole pixels a box touches, with a pixel to spare for the smoothed edge, inside a picture of
// width x height.
struct PixelRange {
    int left, top, right, bottom;
    PixelRange(const Box& b, int width, int height);
};

Shape RoundRect(double left, double top, double width, double height, double radius);
Shape Ellipse(double cx, double cy, double rx, double ry);
// A thick line with round ends.
Shape Capsule(double x0, double y0, double x1, double y1, double radius);
// A closed polygon (any simple polygon, points in order).
Shape Polygon(std::vector<std::pair<double, double>> points);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape from, Shape cut);
// The band of the given width centred on the shape's edge.
Shape Outline(Shape shape, double width);
// The shape grown (positive) or shrunk (negative) by a number of pixels.
Shape Grow(Shape shape, double by);
// The shape's edge moved by a wave, for soft organic outlines.
Shape Wobble(Shape shape, double amplitude, double wavelength);

Shader Solid(Colour c);
Shader LinearGradient(double x0, double y0, Colour c0, double x1, double y1, Colour c1);
Shader RadialGradient(double cx, double cy, double radius, Colour inner, Colour outer);

// A picture drawn in memory and written as a 24-bit BMP.
class Canvas {
public:
    Canvas(int width, int height, Colour background);
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Set(int x, int y, Colour c);
    Colour Get(int x, int y) const;
    void FillRect(int left, int top, int width, int height, Colour c);
    void FillRoundRect(int left, int top, int width, int height, int radius, Colour c);
    void FillEllipse(int cx, int cy, int rx, int ry, Colour c);
    // A vertical blend from top colour to bottom colour inside a rounded rectangle.
    void GradientRoundRect(int left, int top, int width, int height, int radius, Colour top_, Colour bottom);
    void OutlineRect(int left, int top, int width, int height, int thickness, Colour c);
    void Line(int x0, int y0, int x1, int y1, int thickness, Colour c);

    // Paints the shape with smooth edges, blended over what is there at the given opacity.
    void Paint(const Shape& shape, const Shader& shader, double opacity = 1.0);
    void Paint(const Shape& shape, Colour c, double opacity = 1.0) { Paint(shape, Solid(c), opacity); }
    // Paints the shape fading in from its edge: fully opaque only softness pixels inside it.
    void PaintSoft(const Shape& shape, Colour c, double opacity, double softness);
    // Paints the shape with hard edges: every pixel is either the shape's colour or untouched. Used
    // where the picture meets its see-through background, which must stay exactly one colour.
    void PaintHard(const Shape& shape, const Shader& shader);
    void PaintHard(const Shape& shape, Colour c) { PaintHard(shape, Solid(c)); }

    void WriteBmp(const std::string& path) const;

private:
    bool InRoundRect(int x, int y, int left, int top, int width, int height, int radius) const;
    void Blend(int x, int y, Colour c, double alpha);
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

} // namespace datagen
