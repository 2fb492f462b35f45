#include "Icons.h"

#include "VectorDrawing.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace datagen {
namespace {

constexpr double kUnits = 256; // the icons are drawn on a square of this size

constexpr Colour kRim{226, 230, 238};
constexpr Colour kBodyLight{96, 156, 244}; // the blue phone of the colour panel
constexpr Colour kBodyDark{16, 56, 160};
constexpr Colour kScreenTop{244, 249, 255};
constexpr Colour kScreenBottom{196, 220, 246};
constexpr Colour kShieldLight{64, 184, 112};
constexpr Colour kShieldDark{24, 122, 66};
constexpr Colour kWhite{255, 255, 255};

// A phone standing upright in the box left, top, width, height: a light rim (the icon stays visible
// on dark panels), the blue body, the screen and the row of keys under it. Returns the screen's box.
Box Phone(VectorDrawing& d, double left, double top, double width, double height) {
    const double u = width / 128; // the proportions of the large phone
    d.RoundRect(left - 4 * u, top - 4 * u, width + 8 * u, height + 8 * u, 30 * u, Paint::Plain(kRim));
    d.RoundRect(left, top, width, height, 26 * u,
                Paint::Blend(left, top, kBodyLight, left + width, top + height, kBodyDark));
    const Box screen{left + 12 * u, top + 26 * u, left + width - 12 * u, top + height - 42 * u};
    d.RoundRect(screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top, 8 * u,
                Paint::Blend(0, screen.top, kScreenTop, 0, screen.bottom, kScreenBottom));
    d.RoundRect(left + width / 2 - 18 * u, top + 10 * u, 36 * u, 6 * u, 3 * u, Paint::Plain(Colour{12, 34, 96}));
    for (int key = 0; key < 3; ++key)
        d.RoundRect(left + (24 + key * 29) * u, top + height - 28 * u, 22 * u, 10 * u, 5 * u, Paint::Plain(Colour{206, 220, 246}));
    return screen;
}

// A green shield with a white tick, the sign of using the phone safely, centred in the box.
void Shield(VectorDrawing& d, const Box& box) {
    const double cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    const double s = std::min(box.right - box.left, box.bottom - box.top) / 100;
    const auto at = [&](double x, double y) { return std::pair{cx + x * s, cy + y * s}; };
    d.Polygon({at(0, -44), at(38, -30), at(34, 14), at(0, 46), at(-34, 14), at(-38, -30)},
              Paint::Blend(cx, cy - 44 * s, kShieldLight, cx, cy + 46 * s, kShieldDark));
    d.Polygon({at(-20, 2), at(-10, -8), at(-3, 1), at(18, -22), at(28, -12), at(-3, 20)}, Paint::Plain(kWhite));
}

VectorDrawing PhoneIcon() {
    VectorDrawing d(kUnits);
    d.Ellipse(128, 246, 70, 8, Paint::Plain(Colour{0, 0, 0}), 0.18); // its shadow on the desk
    const Box screen = Phone(d, 64, 10, 128, 228);
    Shield(d, {screen.left + 8, screen.top + 14, screen.right - 8, screen.bottom - 14});
    return d;
}

// A blackboard with a bar chart in chalk, and a phone in front of it: the teacher's view of the class.
VectorDrawing TeacherIcon() {
    VectorDrawing d(kUnits);
    const Colour woodLight{184, 124, 64}, woodDark{122, 76, 30};
    d.RoundRect(10, 30, 236, 160, 14, Paint::Blend(10, 30, woodLight, 246, 190, woodDark));
    d.RoundRect(22, 42, 212, 136, 6, Paint::Blend(22, 42, Colour{52, 118, 88}, 234, 178, Colour{28, 78, 56}));
    const Colour chalk{244, 241, 228};
    d.RoundRect(40, 160, 110, 4, 2, Paint::Plain(chalk), 0.9);
    const int heights[] = {40, 70, 96};
    for (int bar = 0; bar < 3; ++bar)
        d.RoundRect(48 + bar * 32, 158 - heights[bar], 22, heights[bar], 3, Paint::Plain(chalk), 0.92);
    d.RoundRect(16, 186, 224, 10, 4, Paint::Plain(woodDark));
    d.Ellipse(192, 248, 48, 6, Paint::Plain(Colour{0, 0, 0}), 0.2);
    const Box screen = Phone(d, 152, 88, 80, 152);
    Shield(d, {screen.left + 4, screen.top + 8, screen.right - 4, screen.bottom - 8});
    return d;
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteIcon(const fs::path& folder, const std::string& program, const VectorDrawing& drawing) {
    const fs::path theme = folder / program / "hicolor";
    for (const int size : kIconSizes) {
        const fs::path apps = theme / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        fs::create_directories(apps);
        WritePng((apps / (program + ".png")).string(), size, size, drawing.Rgba(size));
    }
    fs::create_directories(theme / "scalable/apps");
    WriteText(theme / "scalable/apps" / (program + ".svg"), drawing.Svg());
}

} // namespace

void DrawIcons(const std::string& folder) {
    WriteIcon(folder, "velquinlan", PhoneIcon());
    WriteIcon(folder, "velquinlan-teacher", TeacherIcon());
}

} // namespace datagen
