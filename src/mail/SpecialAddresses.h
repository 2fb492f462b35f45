#pragma once

#include <string_view>

namespace vq {

// The addresses a mail can go to that are no station's.
inline constexpr std::u16string_view kPhotoRegistrationAddress = u"send_Photo_Mail";
inline constexpr std::u16string_view kSpamAddress = u"spam_Mail";

// "All" or "全員": every station present.
[[nodiscard]] bool IsBroadcast(std::u16string_view address);

// True when name (CP932) reads as one of the special addresses in any letter case. The address book
// finds stations without regard to case before it looks at the special addresses, so a station of
// such a name would take the mail meant for them: a PC named "all" every broadcast alone.
[[nodiscard]] bool IsSpecialAddress(std::string_view name);

} // namespace vq
