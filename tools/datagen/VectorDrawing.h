#pragma once

#include "Canvas.h"

#include <string>
#include <utility>
#include <vector>

namespace datagen {

// A picture made of a few filled figures on a square, kept as figures so that it can be written both
// as an SVG file and as pictures of any size that look the same. Icons are drawn this way.

// A solid colour, or a linear blend from one point to another (pad beyond the ends), as SVG has it.
struct Paint {
    Colour from;
    Colour to;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0; // where from and to lie; a solid colour when both points are equal

    static Paint Plain(Colour c) { return {c, c}; }
    static Paint Blend(double x0, double y0, Colour from, double x1, double y1, Colour to) {
        return {from, to, x0, y0, x1, y1};
    }
};

struct Figure {
    enum class Kind { RoundRect, Ellipse, Polygon };
    Kind kind;
    std::vector<std::pair<double, double>> points; // RoundRect, Ellipse: left-top and size; Polygon: the corners
    double radius = 0;                              // of a RoundRect's corners
    Paint paint;
    double opacity = 1;
};

class VectorDrawing {
public:
    explicit VectorDrawing(double size) : size_(size) {}

    void RoundRect(double left, double top, double width, double height, double radius, Paint paint, double opacity = 1);
    void Ellipse(double cx, double cy, double rx, double ry, Paint paint, double opacity = 1);
    void Polygon(std::vector<std::pair<double, double>> points, Paint paint, double opacity = 1);

    [[nodiscard]] std::string Svg() const;
    // Pixels of pixelSize x pixelSize, red, green, blue and alpha, row by row; see-through around the figures.
    [[nodiscard]] std::vector<std::uint8_t> Rgba(int pixelSize) const;

private:
    double size_;
    std::vector<Figure> figures_;
};

// A PNG file of width x height RGBA pixels.
void WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba);

} // namespace datagen
