#pragma once

#include <string>
#include <string_view>

namespace vq {

// The program keeps paths as CP932 text, like every other 8-bit string it holds, so that a path shown
// in a page or matched against a page name means the same characters everywhere; this file system
// names files in UTF-8. Paths cross over only here, at the system calls, which lets a classroom folder
// carry a Japanese name.

// A CP932 path as the system calls want it. ASCII paths come back unchanged.
[[nodiscard]] std::string NativePath(std::string_view cp932Path);

// A name read from the file system (a directory entry, the current directory) as CP932.
[[nodiscard]] std::string FromNativeName(std::string_view nativeName);

} // namespace vq
