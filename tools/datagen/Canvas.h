#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
};

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
    void WriteBmp(const std::string& path) const;

private:
    bool InRoundRect(int x, int y, int left, int top, int width, int height, int radius) const;
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

} // namespace datagen
