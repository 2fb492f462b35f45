#include "mail/TakeInbox.h"

#include "mail/InboxFile.h"
#include "mail/MailNotices.h"
#include "mail/MailPaths.h"
#include "mail/MailRecord.h"
#include "mail/MailTable.h"
#include "platform/Files.h"
#include "platform/StationLock.h"
#include "platform/Text.h"
#include "shell/Phone.h"
#include "shell/StationRefusal.h"
#include "site/ActivityLog.h"

#include <optional>
#include <vector>

namespace vq {
namespace {

// The station lock lies on the inbox file. Deleted and made again (by this phone, or by a second
// phone that started under this name while the file was missing), the inbox is another file: the
// lock is taken on it anew, before any mail is taken from it. Found taken, the other phone is this
// station now, and this one must stop being it.
void KeepNameHeld(Phone& phone, const std::string& path) {
    StationLock& name = phone.shell.NameHeld;
    if (!name.Moved(path)) return;
    name = StationLock::TryTake(path);
    if (name.state() == StationLock::State::TakenByAnother) RefuseNameInUse(phone);
}

// The inbox was deleted while the phone ran (by hand, by a clean-up of the folder). Made again,
// the station can be mailed again; the mail that came between is gone with the old file.
void MakeOwnInboxAgain(Phone& phone, const std::string& path) {
    CreateIfMissing(path, kEmptyInbox);
    KeepNameHeld(phone, path);
    phone.errors.Report("受信箱のファイルが見つからなかったので、作り直しました: " + Cp932ToUtf8(path) +
                        "。それまでに届いていたメールは受け取れていないことがあります。");
}

} // namespace

void TakeInbox(Phone& phone) {
    const std::string path = InboxPath(phone, phone.StationName);
    phone.Trace("take", path);
    KeepNameHeld(phone, path);
    // The file is emptied before anything else can fail: a mail that reached the table must not stay
    // in the inbox too, where the next take would add it a second time.
    const std::optional<std::string> content = TakeInboxContent(path);
    if (!content) {
        MakeOwnInboxAgain(phone, path);
        return;
    }
    const MailTable received = TableOf(phone.mail, MailBox::Received);
    std::vector<std::u16string_view> titles;
    for (const std::string& line : SplitLines(*content)) {
        if (FindCp932(line, "#c#") == std::string::npos) continue;
        phone.Trace("received", line);
        MailEntry entry = ParseMailRecord(line);
        titles.push_back(!entry.Photo.empty() ? u"写真つきメール受信" : u"メール受信");
        AddMailEntry(received, std::move(entry));
    }
    if (titles.empty()) return;
    StartReceiveNotice(phone);
    LogActivities(phone, titles);
}

} // namespace vq
