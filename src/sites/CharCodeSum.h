#pragma once

#include <cstdint>
#include <string_view>

namespace vq {

// The checksum that makes a fortune look personal: over the CP932 form of each character, a
// double-byte character adds first byte * 256 + second byte, a single-byte one adds byte * 256, and a
// character CP932 lacks counts as "?". "abc" gives 75264.
std::int64_t CharCodeSum(std::u16string_view text);

} // namespace vq
