#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// What one logged event of a kind costs, in yen, as an exact decimal: units / 10^11.
struct UnitCharge {
    std::u16string_view title;
    std::int64_t units;
};

inline constexpr std::int64_t kChargeScale = 100'000'000'000; // 10^11

std::optional<std::int64_t> UnitChargeOf(std::u16string_view title);

// n events of a kind, charged in whole yen: the exact product rounded half to even; 0 for a title
// without a charge.
std::int64_t ChargeFor(std::u16string_view title, std::int64_t count);

struct TallyEntry {
    std::u16string title;
    std::int64_t count = 0;
};

// The titles of an activity log's lines in the order they first occur, each with its count. The
// list grows with the log: every title is billed, however many kinds the log holds.
std::vector<TallyEntry> TallyActivityLog(const std::vector<std::string>& cp932Lines);

// The bill as HTML: one row per title and the total.
std::u16string ChargeTableHtml(const std::vector<TallyEntry>& tally);

} // namespace vq
