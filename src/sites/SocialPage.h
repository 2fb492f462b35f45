#pragma once

#include <string>

namespace vq {
class Phone;

// The social timeline: takes a post, then shows every post, the station's own on the right.
void ShowSocialPage(Phone& phone, const std::string& address);

} // namespace vq
