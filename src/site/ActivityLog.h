#pragma once

#include <string>
#include <string_view>

namespace vq {
class Phone;

// The station's activity log, "log/log_" + StationName + ".dat", relative to DataRoot.
std::string ActivityLogPath(const Phone& phone);

// Appends StationName, StationAddress, the time stamp, LogTitle and LogDetail as one line.
void AppendActivityLog(Phone& phone);

// Sets LogTitle and LogDetail, then appends.
void LogActivity(Phone& phone, std::u16string_view title, std::u16string_view detail = {});

} // namespace vq
