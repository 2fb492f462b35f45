#include "mail/TakeInbox.h"

#include "mail/InboxFile.h"
#include "mail/MailNotices.h"
#include "mail/MailPaths.h"
#include "mail/MailRecord.h"
#include "mail/MailTable.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "site/ActivityLog.h"

#include <vector>

namespace vq {

void TakeInbox(Phone& phone) {
    // The file is emptied before anything else can fail: a mail that reached the table must not stay
    // in the inbox too, where the next take would add it a second time.
    const std::string content = TakeInboxContent(InboxPath(phone, phone.StationName));
    const MailTable received = TableOf(phone.mail, MailBox::Received);
    std::vector<std::u16string_view> titles;
    for (const std::string& line : SplitLines(content)) {
        if (FindCp932(line, "#c#") == std::string::npos) continue;
        MailEntry entry = ParseMailRecord(line);
        titles.push_back(!entry.Photo.empty() ? u"写真つきメール受信" : u"メール受信");
        AddMailEntry(received, std::move(entry));
    }
    if (titles.empty()) return;
    StartReceiveNotice(phone);
    LogActivities(phone, titles);
}

} // namespace vq
