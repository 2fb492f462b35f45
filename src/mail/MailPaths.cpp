#include "mail/MailPaths.h"

#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Phone.h"

namespace vq {

std::string InboxFolder(const Phone& phone) { return phone.DataPath("mail_box/"); }

std::string InboxPath(const Phone& phone, std::string_view station) {
    return InboxFolder(phone) + "log_" + std::string(station) + ".dat";
}

std::string SentLogPath(const Phone& phone) { return phone.DataPath("mail_log/log_" + phone.StationName + ".dat"); }

std::string SpamMailPath(const Phone& phone) { return phone.DataPath("spam_Mail/spam_Mail.txt"); }

std::string SnapshotPath(const Phone& phone) { return phone.DataPath("tmp_photo/" + phone.StationName + ".jpg"); }

std::string MailPhotoPath(const Phone& phone, std::u16string_view photo) {
    const std::string name = ToNarrow(photo);
    if (!IsPlainFileName(name)) throw PlatformError("写真の名前が正しくありません: " + Cp932ToUtf8(name));
    return phone.DataPath("mail_photo/" + name);
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && FindCp932(name, "/") == std::string_view::npos &&
           FindCp932(name, "\\") == std::string_view::npos;
}

} // namespace vq
