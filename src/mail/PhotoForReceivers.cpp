#include "mail/PhotoForReceivers.h"

#include "mail/MailPaths.h"
#include "platform/Files.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "shell/Phone.h"

namespace vq {
namespace {

// "PC0120261207134512.jpg", then "PC0120261207134512-2.jpg", "PC0120261207134512-3.jpg", ...
std::u16string Numbered(std::u16string_view photo, int number) {
    if (number == 1) return std::u16string(photo);
    const std::size_t dot = photo.rfind(u'.');
    const std::u16string_view stem = photo.substr(0, dot);
    const std::u16string_view extension = dot == std::u16string_view::npos ? u"" : photo.substr(dot);
    return std::u16string(stem) + u"-" + ToWide(std::to_string(number)) + std::u16string(extension);
}

std::u16string PlaceSnapshot(Phone& phone, std::u16string_view photo) {
    const std::string shot = ReadAll(SnapshotPath(phone));
    for (int number = 1;; ++number) {
        const std::u16string name = Numbered(photo, number);
        const std::string target = MailPhotoPath(phone, name);
        if (!FileExists(target)) {
            ReplaceFile(target, shot);
            return name;
        }
        if (ReadAll(target) == shot) return name;
    }
}

std::u16string CheckShownPhoto(const Phone& phone, std::u16string_view photo) {
    if (!FileExists(MailPhotoPath(phone, photo)))
        throw PlatformError("写真（" + WideToUtf8(photo) + "）がメール用のフォルダに見つかりません");
    return std::u16string(photo);
}

} // namespace

std::u16string PlacePhotoForReceivers(Phone& phone, std::u16string_view photo) {
    try {
        if (!phone.mail.CurrentPhotoIsSnapshot) return CheckShownPhoto(phone, photo);
        std::u16string name = PlaceSnapshot(phone, photo);
        phone.mail.CurrentPhoto = name; // sent again (a station that came in later), it is the same shot
        return name;
    } catch (const PlatformError& e) {
        throw PlatformError(std::string("写真をメールに付けられなかったため、メールは送信していません。") + e.what() +
                            "。写真を付けずに送るときは、「カメラ」を押してから「送信」を押してください。");
    }
}

} // namespace vq
