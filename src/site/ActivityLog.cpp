#include "site/ActivityLog.h"

#include "platform/LockedFile.h"
#include "platform/Text.h"
#include "shell/Phone.h"

namespace vq {

std::string ActivityLogPath(const Phone& phone) { return phone.DataPath("log/log_" + phone.StationName + ".dat"); }

namespace {

// A detail is text a pupil typed (a fortune's subject); a line break in it would start a log line of
// its own that the bill counts as another event.
std::u16string OnOneLine(std::u16string text) {
    for (char16_t& c : text)
        if (c == u'\r' || c == u'\n') c = u' ';
    return text;
}

std::string ActivityLogLine(const Phone& phone) {
    std::u16string line = ToWide(phone.StationName + "," + phone.StationAddress + "," +
                                 TimeStampText(phone.clock.Now()) + ",");
    line += phone.site.LogTitle;
    line += u",";
    line += OnOneLine(phone.site.LogDetail);
    return ToNarrow(line);
}

} // namespace

void AppendActivityLog(Phone& phone) { AppendSharedLineOrFail(ActivityLogPath(phone), ActivityLogLine(phone)); }

void LogActivity(Phone& phone, std::u16string_view title, std::u16string_view detail) {
    phone.site.LogTitle = title;
    phone.site.LogDetail = detail;
    AppendActivityLog(phone);
}

void LogActivities(Phone& phone, std::span<const std::u16string_view> titles) {
    if (titles.empty()) return;
    std::string lines;
    for (std::u16string_view title : titles) {
        phone.site.LogTitle = title;
        phone.site.LogDetail.clear();
        if (!lines.empty()) lines += "\r\n";
        lines += ActivityLogLine(phone);
    }
    AppendSharedLineOrFail(ActivityLogPath(phone), lines);
}

} // namespace vq
