#include "platform/NativePath.h"

#include "platform/Text.h"

#include <algorithm>

namespace vq {
namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::string NativePath(std::string_view cp932Path) {
    return IsAscii(cp932Path) ? std::string(cp932Path) : Cp932ToUtf8(cp932Path);
}

std::string FromNativeName(std::string_view nativeName) {
    return IsAscii(nativeName) ? std::string(nativeName) : Utf8ToCp932(nativeName);
}

} // namespace vq
