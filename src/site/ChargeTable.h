#pragma once

#include <cstdint>
#include <optional>
#include <span>
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

// Every title that has a charge, in the table's order.
std::span<const UnitCharge> ChargeTitles();

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

// One row of a bill: a kind of use, how often, and what that costs in whole yen.
struct BillRow {
    std::u16string title;
    std::int64_t count = 0;
    std::int64_t yen = 0;
};

struct Bill {
    std::vector<BillRow> rows; // in the order each title first occurs in the log
    std::int64_t total = 0;

    // How often the log holds the title; 0 when it never does.
    [[nodiscard]] std::int64_t CountOf(std::u16string_view title) const;
};

// The bill of an activity log, exactly as the phone's charge page shows it. The teacher's console
// computes every station's bill with this same function, so the two can never disagree.
Bill BillOf(const std::vector<std::string>& cp932Lines);

// The bill as HTML: one row per title and the total.
std::u16string ChargeTableHtml(const Bill& bill);

} // namespace vq
