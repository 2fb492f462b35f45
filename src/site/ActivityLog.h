#pragma once

#include <span>
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

// Logs one event per title, each with an empty detail, in one write: a poll that brings many mails
// opens the log once, not once per mail.
void LogActivities(Phone& phone, std::span<const std::u16string_view> titles);

} // namespace vq
