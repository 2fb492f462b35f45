#pragma once

#include <string_view>

namespace vq {

// The web site that does not exist: content and mails link to pseudo pages below it. The reserved
// name never resolves, so nothing leaves the classroom.
inline constexpr std::string_view VirtualSiteRoot = "http://velquin.invalid/";

} // namespace vq
