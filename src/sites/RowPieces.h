#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace vq {

// Pieces the row writers of the board and the timeline share. Rows are built as CP932 bytes.

// The ideographic space U+3000 that follows a post's number, in CP932.
inline constexpr std::string_view kIdeographicSpaceCp932 = "\x81\x40";

inline void AppendDecimal(std::string& out, int n) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
}

} // namespace vq
