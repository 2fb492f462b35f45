#include "mail/SpecialAddresses.h"

#include "platform/Text.h"

#include <algorithm>
#include <array>

namespace vq {
namespace {

constexpr std::array<std::u16string_view, 2> kBroadcastAddresses{u"All", u"全員"};

} // namespace

bool IsBroadcast(std::u16string_view address) {
    return std::find(kBroadcastAddresses.begin(), kBroadcastAddresses.end(), address) != kBroadcastAddresses.end();
}

bool IsSpecialAddress(std::string_view name) {
    const auto named = [&](std::u16string_view address) { return SameNoCase(name, ToNarrow(address)); };
    return std::any_of(kBroadcastAddresses.begin(), kBroadcastAddresses.end(), named) ||
           named(kPhotoRegistrationAddress) || named(kSpamAddress);
}

} // namespace vq
