#pragma once

#include <string>

namespace vq {
class Phone;

// A page handler gets the address being navigated to; it reads the form of the page being left.
using PageHandler = void (*)(Phone& phone, const std::string& address);

} // namespace vq
