#include "shell/HeartbeatRecord.h"

#include "platform/Files.h"

#include <charconv>

namespace vq {
namespace {

constexpr std::string_view kStationKey = "station=";
constexpr std::string_view kHostKey = "host=";
constexpr std::string_view kProcessKey = "pid=";

long ParseProcessId(std::string_view digits) {
    long id = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    return error == std::errc() && end == digits.data() + digits.size() && id > 0 ? id : 0;
}

} // namespace

std::string HeartbeatFileName(std::string_view station) { return std::string(station) + std::string(kHeartbeatSuffix); }

std::string StationOfHeartbeat(std::string_view fileName) {
    if (fileName.size() <= kHeartbeatSuffix.size() || !fileName.ends_with(kHeartbeatSuffix)) return {};
    return std::string(fileName.substr(0, fileName.size() - kHeartbeatSuffix.size()));
}

std::string HeartbeatText(const HeartbeatRecord& record) {
    return std::string(kStationKey) + record.station + "\r\n" + std::string(kHostKey) + record.host + "\r\n" +
           std::string(kProcessKey) + std::to_string(record.processId) + "\r\n";
}

HeartbeatRecord ParseHeartbeat(std::string_view text) {
    HeartbeatRecord record;
    for (const std::string& line : SplitLines(text)) {
        const std::string_view field(line);
        if (field.starts_with(kStationKey)) record.station = field.substr(kStationKey.size());
        else if (field.starts_with(kHostKey)) record.host = field.substr(kHostKey.size());
        else if (field.starts_with(kProcessKey)) record.processId = ParseProcessId(field.substr(kProcessKey.size()));
    }
    return record;
}

} // namespace vq
