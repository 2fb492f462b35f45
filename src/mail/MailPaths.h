#pragma once

#include <string>
#include <string_view>

namespace vq {
class Phone;

// The mail files below DataRoot.
[[nodiscard]] std::string InboxFolder(const Phone& phone);
[[nodiscard]] std::string InboxPath(const Phone& phone, std::string_view station);
[[nodiscard]] std::string SentLogPath(const Phone& phone);
[[nodiscard]] std::string SpamMailPath(const Phone& phone);
[[nodiscard]] std::string SnapshotPath(const Phone& phone);
// The shared copy of an attached photo. Throws PlatformError for a name that is no plain file name,
// so that a mail from another station can never point outside the photo folder.
[[nodiscard]] std::string MailPhotoPath(const Phone& phone, std::u16string_view photo);

// True for a name that can only mean a file directly inside one folder.
[[nodiscard]] bool IsPlainFileName(std::string_view name);

} // namespace vq
