#pragma once

#include <string>
#include <string_view>

namespace vq {
class Phone;

// A profile shows one picture: a stock illustration "prof/illustration/illustrationNN.jpg" or a photo
// "mail_photo/" + code + ".jpg". Pupils choose it by a short code.

inline constexpr std::u16string_view kFallbackPicture = u"prof/illustration/illustration00.jpg";

// The picture path for a code: up to two characters name a stock illustration ("" and "0" the
// fallback, "7" the picture 07), longer codes a photo. A picture that does not exist gives the fallback.
[[nodiscard]] std::u16string ResolveProfilePicture(const Phone& phone, std::u16string_view code);
// The code that gives a stored picture path back.
[[nodiscard]] std::u16string PictureCodeOf(std::u16string_view picturePath);
// The code of CurrentPhoto, the photo last taken or shown, with which the creation form starts.
[[nodiscard]] std::u16string PictureCodeOfPhoto(std::u16string_view currentPhoto);

} // namespace vq
