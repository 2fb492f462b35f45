#pragma once

#include <string>
#include <string_view>

namespace vq {
class Phone;

// Puts the attached photo where the receivers find it, in mail_photo/ under the name the mail will
// carry, and gives that name. Throws PlatformError, sending nothing, when that cannot be done: sent
// anyway, the mail would show the receivers no photo, or another one of that name.
//
// A shot of this station's camera is copied from its snapshot. Its name (station, date and time to
// the second) may be taken already by another shot of the same second: that one keeps its name and
// this one gets "-2", "-3", ... before ".jpg" (the mail carries the name, so readers take any), unless
// one of them already holds this very shot, sent before. A photo shown from a mail (a reply, a mail
// edited again) is in mail_photo/ already and is never copied: the snapshot is another picture.
[[nodiscard]] std::u16string PlacePhotoForReceivers(Phone& phone, std::u16string_view photo);

} // namespace vq
