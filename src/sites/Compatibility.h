#pragma once

#include <string>
#include <string_view>

namespace vq {

// How well two people suit each other, each from 1 to 5 marks, computed from the two names alone.
struct CompatibilityMarks {
    int meeting = 1;
    int dating = 1;
    int match = 1;
};

// From the two names joined: M, their CharCodeSum, and L, their length in UTF-16 units.
CompatibilityMarks CompatibilityOf(std::u16string_view joinedNames);

// The three result rows of the compatibility page.
std::u16string CompatibilityRows(const CompatibilityMarks& marks);

} // namespace vq
