#pragma once

#include <string>
#include <string_view>

namespace vq {

// A mail body with a photo ends in the marker and the photo's file name: Hello{Photo}PC01134512.jpg.
inline constexpr std::u16string_view PhotoMarker = u"{Photo}";

struct PhotoSplit {
    std::u16string text;   // the body before the marker (the whole body without one)
    std::u16string photo;  // the photo's file name; empty without a photo
};

// The marker the program appended is the last one; one the pupil typed into the text stays text.
[[nodiscard]] PhotoSplit SplitPhoto(std::u16string_view body);

[[nodiscard]] bool HasPhoto(std::u16string_view body);

// The body as it is stored and listed: the text, then the marker and the photo's name.
[[nodiscard]] std::u16string WithPhoto(std::u16string_view text, std::u16string_view photo);

} // namespace vq
