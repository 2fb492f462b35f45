#pragma once

#include <string>

namespace vq {

// Decoding a picture takes width * height * 3 bytes or more, and a file of a few kilobytes can claim
// any size in its header. Pictures are therefore measured from their header first, and one larger
// than its use needs is refused before anything is allocated for it.
struct PictureSize {
    int width = 0;
    int height = 0;
};

[[nodiscard]] constexpr bool Exceeds(PictureSize size, PictureSize largest) {
    return size.width > largest.width || size.height > largest.height;
}

// The reason given for refusing such a picture; the caller adds the file's name.
[[nodiscard]] std::string TooLargeText(PictureSize size, PictureSize largest);

} // namespace vq
