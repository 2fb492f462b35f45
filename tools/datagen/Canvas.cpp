#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace datagen {

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
