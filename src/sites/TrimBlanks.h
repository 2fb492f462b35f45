#pragma once

#include <string>
#include <string_view>

namespace vq {

// The text without the characters of code 32 and below at either end; an ideographic space stays.
inline std::u16string TrimBlanks(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] <= u' ') ++first;
    while (last > first && text[last - 1] <= u' ') --last;
    return std::u16string(text.substr(first, last - first));
}

} // namespace vq
