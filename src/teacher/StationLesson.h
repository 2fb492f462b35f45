#pragma once

#include "mail/MailRecord.h"
#include "site/ActivityLogLine.h"

#include <string>
#include <vector>

namespace vq {

// What one station's files say about its lesson: the events of its activity log and the mails of
// its sent log, in file order.
struct StationLesson {
    std::string station; // CP932
    std::vector<ActivityLogLine> events;
    std::vector<MailRecord> sent;
};

// The events of an activity log's lines; lines that are no events are left out.
[[nodiscard]] std::vector<ActivityLogLine> EventsOf(const std::vector<std::string>& logLines);
// The mails of a sent log's lines.
[[nodiscard]] std::vector<MailRecord> SentMailsOf(const std::vector<std::string>& sentLogLines);

} // namespace vq
