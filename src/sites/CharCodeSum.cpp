#include "sites/CharCodeSum.h"

#include "platform/Text.h"

#include <string>

namespace vq {

// The CP932 text is walked character by character: every UTF-16 unit becomes exactly one CP932
// character (one that CP932 lacks becomes "?"), and a single byte of CP932 is never a lead byte.
std::int64_t CharCodeSum(std::u16string_view text) {
    const std::string bytes = ToNarrow(text);
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const bool doubleByte = IsLeadByte(first) && i + 1 < bytes.size();
        const unsigned char second = doubleByte ? static_cast<unsigned char>(bytes[++i]) : 0;
        sum += first * 256 + second;
    }
    return sum;
}

} // namespace vq
