#include "teacher/StationLesson.h"

#include "platform/Text.h"

namespace vq {

std::vector<ActivityLogLine> EventsOf(const std::vector<std::string>& logLines) {
    std::vector<ActivityLogLine> events;
    events.reserve(logLines.size());
    for (const std::string& line : logLines)
        if (auto event = ParseActivityLogLine(line)) events.push_back(std::move(*event));
    return events;
}

std::vector<MailRecord> SentMailsOf(const std::vector<std::string>& sentLogLines) {
    std::vector<MailRecord> mails;
    for (const std::string& line : sentLogLines)
        if (FindCp932(line, "#c#") != std::string::npos) mails.push_back(ParseStoredMailRecord(line));
    return mails;
}

} // namespace vq
