#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vq {

// A picture as red, green and blue bytes, row by row from the top left.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 3 bytes

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h * 3, 0) {}

    [[nodiscard]] bool empty() const { return width <= 0 || height <= 0; }
    // The first of the three bytes of the pixel at x, y.
    [[nodiscard]] std::size_t At(int x, int y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    }
};

} // namespace vq
