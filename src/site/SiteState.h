#pragma once

#include <string>

namespace vq {

// What the virtual site engine keeps between events.
struct SiteState {
    int GenerationGuard = 0;      // 1 from a handler's start until its result page has loaded
    std::string MailLinkTarget;   // local path of the link in the mail body shown last
    std::u16string PageBuffer;    // the page being assembled
    std::u16string LogTitle;      // kind of the next activity-log entry
    std::u16string LogDetail;     // detail of the next activity-log entry
};

} // namespace vq
