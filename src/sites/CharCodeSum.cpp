#include "sites/CharCodeSum.h"

#include "platform/Text.h"

#include <string>

namespace vq {

// Unit by unit: a character outside the basic plane is two UTF-16 units and counts as two "?", and
// every other unit becomes one CP932 character (one that CP932 lacks becomes "?").
std::int64_t CharCodeSum(std::u16string_view text) {
    std::int64_t sum = 0;
    for (const char16_t unit : text) {
        const std::string bytes = ToNarrow(std::u16string_view(&unit, 1));
        const auto first = static_cast<unsigned char>(bytes.at(0));
        const auto second = bytes.size() > 1 ? static_cast<unsigned char>(bytes[1]) : 0;
        sum += first * 256 + second;
    }
    return sum;
}

} // namespace vq
