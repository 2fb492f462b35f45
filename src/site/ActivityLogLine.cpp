#include "site/ActivityLogLine.h"

#include "platform/Text.h"

namespace vq {
namespace {

// The text before the next comma; the rest after it. A line without one leaves an empty rest.
std::u16string_view TakeField(std::u16string_view& rest) {
    const std::size_t comma = rest.find(u',');
    const std::u16string_view field = rest.substr(0, comma);
    rest = comma == std::u16string_view::npos ? std::u16string_view{} : rest.substr(comma + 1);
    return field;
}

} // namespace

std::optional<ActivityLogLine> ParseActivityLogLine(std::string_view cp932) {
    const std::u16string wide = ToWide(cp932);
    if (wide.find(u',') == std::u16string::npos) return std::nullopt;
    std::u16string_view rest = wide;
    ActivityLogLine line;
    line.station = TakeField(rest);
    line.address = TakeField(rest);
    line.time = TakeField(rest);
    const std::size_t comma = rest.find(u',');
    if (comma != std::u16string_view::npos) {
        line.title = rest.substr(0, comma);
        line.detail = rest.substr(comma + 1);
    }
    return line;
}

} // namespace vq
