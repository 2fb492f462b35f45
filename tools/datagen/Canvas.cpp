#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace datagen {
namespace {

constexpr double kPi = 3.14159265358979323846;

// std::hypot guards against overflow that pixel distances never reach, at many times the cost.
double Length(double x, double y) { return std::sqrt(x * x + y * y); }

std::uint8_t Channel(double v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0) + 0.5); }

double SegmentDistance(double px, double py, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((px - x0) * dx + (py - y0) * dy) / length2, 0.0, 1.0) : 0.0;
    return Length(px - (x0 + t * dx), py - (y0 + t * dy));
}

Box Grown(Box b, double by) { return {b.left - by, b.top - by, b.right + by, b.bottom + by}; }

double DistanceToBox(const Box& b, double x, double y) {
    return Length(std::max({b.left - x, 0.0, x - b.right}), std::max({b.top - y, 0.0, y - b.bottom}));
}

} // namespace

PixelRange::PixelRange(const Box& b, int width, int height)
    : left(std::max(0, static_cast<int>(std::floor(b.left)) - 1)),
      top(std::max(0, static_cast<int>(std::floor(b.top)) - 1)),
      right(std::min(width, static_cast<int>(std::ceil(b.right)) + 1)),
      bottom(std::min(height, static_cast<int>(std::ceil(b.bottom)) + 1)) {}

double Coverage(const Shape& shape, double x, double y) { return std::clamp(0.5 - shape(x, y), 0.0, 1.0); }

Colour Mix(Colour a, Colour b, double t) {
    return {Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t), Channel(a.b + (b.b - a.b) * t)};
}

Colour Lighter(Colour c, double amount) { return Mix(c, {255, 255, 255}, amount); }
Colour Darker(Colour c, double amount) { return Mix(c, {0, 0, 0}, amount); }

Shape RoundRect(double left, double top, double width, double height, double radius) {
    const double cx = left + width / 2;
    const double cy = top + height / 2;
    const double hx = width / 2 - radius;
    const double hy = height / 2 - radius;
    return {[=](double x, double y) {
                const double qx = std::abs(x - cx) - hx;
                const double qy = std::abs(y - cy) - hy;
                return Length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
            },
            {left, top, left + width, top + height}};
}

Shape Ellipse(double cx, double cy, double rx, double ry) {
    return {[=](double x, double y) {
                const double ux = (x - cx) / rx;
                const double uy = (y - cy) / ry;
                const double f = Length(ux, uy);
                if (f == 0) return -std::min(rx, ry);
                // The implicit function divided by its gradient: close to the true distance near
                // the edge, which is all the smoothing needs.
                const double gradient = Length(ux / rx, uy / ry) / f;
                return (f - 1) / gradient;
            },
            {cx - rx, cy - ry, cx + rx, cy + ry}};
}

Shape Capsule(double x0, double y0, double x1, double y1, double radius) {
    return {[=](double x, double y) { return SegmentDistance(x, y, x0, y0, x1, y1) - radius; },
            {std::min(x0, x1) - radius, std::min(y0, y1) - radius, std::max(x0, x1) + radius, std::max(y0, y1) + radius}};
}

Shape Polygon(std::vector<std::pair<double, double>> points) {
    Box box{1e9, 1e9, -1e9, -1e9};
    for (const auto& [x, y] : points) box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    return {[points = std::move(points)](double x, double y) {
                double nearest = 1e9;
                bool inside = false;
                for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                    const auto [xi, yi] = points[i];
                    const auto [xj, yj] = points[j];
                    nearest = std::min(nearest, SegmentDistance(x, y, xi, yi, xj, yj));
                    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
                }
                return inside ? -nearest : nearest;
            },
            box};
}

Shape Union(Shape a, Shape b) {
    const Box box{std::min(a.box.left, b.box.left), std::min(a.box.top, b.box.top), std::max(a.box.right, b.box.right),
                  std::max(a.box.bottom, b.box.bottom)};
    return {[a = a.distance, b = b.distance, bBox = b.box](double x, double y) {
                // Nothing of b is nearer than its box: where a is nearer still, b need not be asked.
                const double da = a(x, y);
                if (da <= DistanceToBox(bBox, x, y)) return da;
                return std::min(da, b(x, y));
            },
            box};
}

Shape Intersect(Shape a, Shape b) {
    const Box box{std::max(a.box.left, b.box.left), std::max(a.box.top, b.box.top), std::min(a.box.right, b.box.right),
                  std::min(a.box.bottom, b.box.bottom)};
    return {[a = a.distance, b = b.distance](double x, double y) { return std::max(a(x, y), b(x, y)); }, box};
}

Shape Subtract(Shape from, Shape cut) {
    return {[a = from.distance, b = cut.distance](double x, double y) { return std::max(a(x, y), -b(x, y)); }, from.box};
}

Shape Outline(Shape shape, double width) {
    return {[d = shape.distance, width](double x, double y) { return std::abs(d(x, y)) - width / 2; },
            Grown(shape.box, width / 2)};
}

Shape Grow(Shape shape, double by) {
    return {[d = shape.distance, by](double x, double y) { return d(x, y) - by; }, Grown(shape.box, std::max(by, 0.0))};
}

Shape Wobble(Shape shape, double amplitude, double wavelength) {
    const double k = 2 * kPi / wavelength;
    return {[d = shape.distance, amplitude, k](double x, double y) {
                return d(x, y) + amplitude * (std::sin(x * k) * 0.6 + std::sin(y * k * 0.7 + 1.3) * 0.4);
            },
            Grown(shape.box, amplitude)};
}

Shader Solid(Colour c) {
    return [c](double, double) { return c; };
}

Shader LinearGradient(double x0, double y0, Colour c0, double x1, double y1, Colour c1) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length2 = std::max(dx * dx + dy * dy, 1e-9);
    return [=](double x, double y) {
        return Mix(c0, c1, std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0, 1.0));
    };
}

Shader RadialGradient(double cx, double cy, double radius, Colour inner, Colour outer) {
    return [=](double x, double y) {
        return Mix(inner, outer, std::clamp(Length(x - cx, y - cy) / radius, 0.0, 1.0));
    };
}

Canvas::Canvas(int width, int height, Colour background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), background) {}

void Canvas::Set(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

Colour Canvas::Get(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

void Canvas::FillRect(int left, int top, int width, int height, Colour c) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) Set(x, y, c);
}

bool Canvas::InRoundRect(int x, int y, int left, int top, int width, int height, int radius) const {
    const int right = left + width - 1;
    const int bottom = top + height - 1;
    if (x < left || x > right || y < top || y > bottom) return false;
    const int cx = std::clamp(x, left + radius, right - radius);
    const int cy = std::clamp(y, top + radius, bottom - radius);
    const int dx = x - cx;
    const int dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

void Canvas::FillRoundRect(int left, int top, int width, int height, int radius, Colour c) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (InRoundRect(x, y, left, top, width, height, radius)) Set(x, y, c);
}

void Canvas::GradientRoundRect(int left, int top, int width, int height, int radius, Colour a, Colour b) {
    for (int y = top; y < top + height; ++y) {
        const double t = height > 1 ? static_cast<double>(y - top) / (height - 1) : 0.0;
        const Colour c{static_cast<std::uint8_t>(a.r + (b.r - a.r) * t), static_cast<std::uint8_t>(a.g + (b.g - a.g) * t),
                       static_cast<std::uint8_t>(a.b + (b.b - a.b) * t)};
        for (int x = left; x < left + width; ++x)
            if (InRoundRect(x, y, left, top, width, height, radius)) Set(x, y, c);
    }
}

void Canvas::FillEllipse(int cx, int cy, int rx, int ry, Colour c) {
    for (int y = cy - ry; y <= cy + ry; ++y)
        for (int x = cx - rx; x <= cx + rx; ++x) {
            const double dx = static_cast<double>(x - cx) / rx;
            const double dy = static_cast<double>(y - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
        }
}

void Canvas::OutlineRect(int left, int top, int width, int height, int t, Colour c) {
    FillRect(left, top, width, t, c);
    FillRect(left, top + height - t, width, t, c);
    FillRect(left, top, t, height, c);
    FillRect(left + width - t, top, t, height, c);
}

void Canvas::Line(int x0, int y0, int x1, int y1, int thickness, Colour c) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= steps; ++i) {
        const double t = steps ? static_cast<double>(i) / steps : 0.0;
        const int x = static_cast<int>(std::lround(x0 + (x1 - x0) * t));
        const int y = static_cast<int>(std::lround(y0 + (y1 - y0) * t));
        FillRect(x - thickness / 2, y - thickness / 2, thickness, thickness, c);
    }
}

void Canvas::Blend(int x, int y, Colour c, double alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    Colour& p = pixels_[static_cast<std::size_t>(y * width_ + x)];
    p = alpha >= 1 ? c : Mix(p, c, alpha);
}

void Canvas::Paint(const Shape& shape, const Shader& shader, double opacity) {
    const PixelRange r(shape.box, width_, height_);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const double cx = x + 0.5;
            const double cy = y + 0.5;
            const double coverage = Coverage(shape, cx, cy);
            if (coverage > 0) Blend(x, y, shader(cx, cy), coverage * opacity);
        }
}

void Canvas::PaintSoft(const Shape& shape, Colour c, double opacity, double softness) {
    const PixelRange r(shape.box, width_, height_);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const double depth = -shape(x + 0.5, y + 0.5);
            if (depth > 0) Blend(x, y, c, std::min(depth / softness, 1.0) * opacity);
        }
}

void Canvas::PaintHard(const Shape& shape, const Shader& shader) {
    const PixelRange r(shape.box, width_, height_);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (shape(x + 0.5, y + 0.5) <= 0) Set(x, y, shader(x + 0.5, y + 0.5));
}

void Canvas::WriteBmp(const std::string& path) const {
    const int rowSize = (width_ * 3 + 3) & ~3;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(rowSize * height_);
    const std::uint32_t fileSize = 54 + imageSize;
    std::vector<unsigned char> data(fileSize, 0);
    const auto put16 = [&](std::size_t at, std::uint32_t v) {
        data[at] = static_cast<unsigned char>(v);
        data[at + 1] = static_cast<unsigned char>(v >> 8);
    };
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    data[0] = 'B';
    data[1] = 'M';
    put32(2, fileSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width_));
    put32(22, static_cast<std::uint32_t>(height_));
    put16(26, 1);
    put16(28, 24);
    put32(34, imageSize);
    put32(38, 2835);
    put32(42, 2835);
    for (int y = 0; y < height_; ++y) {
        const std::size_t row = 54 + static_cast<std::size_t>((height_ - 1 - y) * rowSize);
        for (int x = 0; x < width_; ++x) {
            const Colour c = Get(x, y);
            data[row + static_cast<std::size_t>(x) * 3] = c.b;
            data[row + static_cast<std::size_t>(x) * 3 + 1] = c.g;
            data[row + static_cast<std::size_t>(x) * 3 + 2] = c.r;
        }
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

} // namespace datagen
