#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace vq {

// Pieces the row writers of the board and the timeline share. Rows are built as CP932 bytes.

// The ideographic space U+3000 that follows a post's number, in CP932.
inline constexpr std::string_view kIdeographicSpaceCp932 = "\x81\x40";

// n in decimal, written into digits; the view points into it.
inline std::string_view DecimalText(char (&digits)[16], int n) {
    const char* end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    return {digits, static_cast<std::size_t>(end - digits)};
}

inline void AppendDecimal(std::string& out, int n) {
    char digits[16];
    out += DecimalText(digits, n);
}

} // namespace vq
