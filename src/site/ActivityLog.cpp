#include "site/ActivityLog.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "shell/Phone.h"

namespace vq {

std::string ActivityLogPath(const Phone& phone) { return phone.DataPath("log/log_" + phone.StationName + ".dat"); }

void AppendActivityLog(Phone& phone) {
    std::u16string line = ToWide(phone.StationName + "," + phone.StationAddress + "," +
                                 TimeStampText(phone.clock.Now()) + ",");
    line += phone.site.LogTitle;
    line += u",";
    line += phone.site.LogDetail;
    AppendLine(ActivityLogPath(phone), ToNarrow(line));
}

void LogActivity(Phone& phone, std::u16string_view title, std::u16string_view detail) {
    phone.site.LogTitle = title;
    phone.site.LogDetail = detail;
    AppendActivityLog(phone);
}

} // namespace vq
