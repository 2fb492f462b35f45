#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vq {

// One line of an activity log as the charge page reads it: station, address and time stamp are the
// first three comma-separated fields, the title runs up to the next comma, the detail is the rest and
// may hold commas (a fortune's subject as typed). A line whose title has no comma after it counts
// under an empty title, as the bill has always counted it.
struct ActivityLogLine {
    std::u16string station;
    std::u16string address;
    std::u16string time;
    std::u16string title;
    std::u16string detail;
};

// nullopt for a line that holds no comma at all (the empty first line of every log).
[[nodiscard]] std::optional<ActivityLogLine> ParseActivityLogLine(std::string_view cp932);

} // namespace vq
