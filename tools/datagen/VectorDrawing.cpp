#include "VectorDrawing.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace datagen {
namespace {

std::string Hex(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

bool IsPlain(const Paint& p) { return p.x0 == p.x1 && p.y0 == p.y1; }

std::string Number(double v) {
    std::ostringstream s;
    s << std::round(v * 100) / 100;
    return s.str();
}

// The figure as a shape at the given scale, for painting pixels.
Shape ShapeOf(const Figure& f, double k) {
    switch (f.kind) {
    case Figure::Kind::RoundRect:
        return datagen::RoundRect(f.points[0].first * k, f.points[0].second * k, f.points[1].first * k,
                                  f.points[1].second * k, f.radius * k);
    case Figure::Kind::Ellipse: {
        const double rx = f.points[1].first / 2 * k, ry = f.points[1].second / 2 * k;
        return datagen::Ellipse(f.points[0].first * k + rx, f.points[0].second * k + ry, rx, ry);
    }
    case Figure::Kind::Polygon: {
        std::vector<std::pair<double, double>> scaled;
        for (const auto& [x, y] : f.points) scaled.emplace_back(x * k, y * k);
        return datagen::Polygon(std::move(scaled));
    }
    }
    throw std::logic_error("unknown figure");
}

Shader ShaderOf(const Paint& p, double k) {
    if (IsPlain(p)) return Solid(p.from);
    return LinearGradient(p.x0 * k, p.y0 * k, p.from, p.x1 * k, p.y1 * k, p.to);
}

// Lays colour c at opacity a over the pixel, which may itself be partly see-through.
void Over(std::uint8_t* pixel, Colour c, double a) {
    const double below = pixel[3] / 255.0;
    const double out = a + below * (1 - a);
    if (out <= 0) return;
    const auto mix = [&](std::uint8_t top, std::uint8_t under) {
        return static_cast<std::uint8_t>(std::clamp((top * a + under * below * (1 - a)) / out, 0.0, 255.0) + 0.5);
    };
    pixel[0] = mix(c.r, pixel[0]);
    pixel[1] = mix(c.g, pixel[1]);
    pixel[2] = mix(c.b, pixel[2]);
    pixel[3] = static_cast<std::uint8_t>(out * 255 + 0.5);
}

void PutChunk(std::string& png, const char* type, const std::string& data) {
    const auto put32 = [&](std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>((v >> shift) & 0xFF);
    };
    put32(static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    png += body;
    put32(static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

} // namespace

void VectorDrawing::RoundRect(double left, double top, double width, double height, double radius, Paint paint,
                              double opacity) {
    figures_.push_back({Figure::Kind::RoundRect, {{left, top}, {width, height}}, radius, paint, opacity});
}

void VectorDrawing::Ellipse(double cx, double cy, double rx, double ry, Paint paint, double opacity) {
    figures_.push_back({Figure::Kind::Ellipse, {{cx - rx, cy - ry}, {2 * rx, 2 * ry}}, 0, paint, opacity});
}

void VectorDrawing::Polygon(std::vector<std::pair<double, double>> points, Paint paint, double opacity) {
    figures_.push_back({Figure::Kind::Polygon, std::move(points), 0, paint, opacity});
}

std::string VectorDrawing::Svg() const {
    std::ostringstream defs, body;
    int gradients = 0;
    for (const Figure& f : figures_) {
        std::string fill = Hex(f.paint.from);
        if (!IsPlain(f.paint)) {
            const std::string id = "g" + std::to_string(gradients++);
            defs << "<linearGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\" x1=\"" << Number(f.paint.x0)
                 << "\" y1=\"" << Number(f.paint.y0) << "\" x2=\"" << Number(f.paint.x1) << "\" y2=\"" << Number(f.paint.y1)
                 << "\"><stop offset=\"0\" stop-color=\"" << Hex(f.paint.from) << "\"/><stop offset=\"1\" stop-color=\""
                 << Hex(f.paint.to) << "\"/></linearGradient>\n";
            fill = "url(#" + id + ")";
        }
        const std::string look = " fill=\"" + fill + "\"" + (f.opacity < 1 ? " fill-opacity=\"" + Number(f.opacity) + "\"" : "");
        switch (f.kind) {
        case Figure::Kind::RoundRect:
            body << "<rect x=\"" << Number(f.points[0].first) << "\" y=\"" << Number(f.points[0].second) << "\" width=\""
                 << Number(f.points[1].first) << "\" height=\"" << Number(f.points[1].second) << "\" rx=\"" << Number(f.radius)
                 << "\"" << look << "/>\n";
            break;
        case Figure::Kind::Ellipse:
            body << "<ellipse cx=\"" << Number(f.points[0].first + f.points[1].first / 2) << "\" cy=\""
                 << Number(f.points[0].second + f.points[1].second / 2) << "\" rx=\"" << Number(f.points[1].first / 2)
                 << "\" ry=\"" << Number(f.points[1].second / 2) << "\"" << look << "/>\n";
            break;
        case Figure::Kind::Polygon:
            body << "<polygon points=\"";
            for (std::size_t i = 0; i < f.points.size(); ++i)
                body << (i ? " " : "") << Number(f.points[i].first) << "," << Number(f.points[i].second);
            body << "\"" << look << "/>\n";
            break;
        }
    }
    const std::string size = Number(size_);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size +
           "\" height=\"" + size + "\" viewBox=\"0 0 " + size + " " + size + "\">\n<defs>\n" + defs.str() + "</defs>\n" +
           body.str() + "</svg>\n";
}

std::vector<std::uint8_t> VectorDrawing::Rgba(int pixelSize) const {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(pixelSize) * pixelSize * 4, 0);
    const double k = pixelSize / size_;
    for (const Figure& f : figures_) {
        const Shape shape = ShapeOf(f, k);
        const Shader shader = ShaderOf(f.paint, k);
        const PixelRange r(shape.box, pixelSize, pixelSize);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const double coverage = Coverage(shape, x + 0.5, y + 0.5);
                if (coverage > 0)
                    Over(&pixels[(static_cast<std::size_t>(y) * pixelSize + x) * 4], shader(x + 0.5, y + 0.5), coverage * f.opacity);
            }
    }
    return pixels;
}

void WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba) {
    // Each row starts with its filter type, 0: the pixels as they are.
    std::string raw;
    const std::size_t row = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(rgba.data()) + y * row, row);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("cannot compress " + path);
    packed.resize(packedSize);

    std::string header;
    for (const std::uint32_t v : {static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)})
        for (int shift = 24; shift >= 0; shift -= 8) header += static_cast<char>((v >> shift) & 0xFF);
    header += std::string("\x08\x06\x00\x00\x00", 5); // 8 bits a channel, RGBA, deflate, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(png.data(), static_cast<std::streamsize>(png.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

} // namespace datagen
