#pragma once

#include <string>
#include <string_view>

namespace vq::posix {

// The steps the file layer's parts share on POSIX descriptors.

// Throws PlatformError: what went wrong, the file, and the system's reason.
[[noreturn]] void Fail(const char* what, const std::string& path, int err);

// Writes all of data, going on after interrupted and partial writes; throws on failure.
void WriteWhole(int fd, std::string_view data, const std::string& path);

} // namespace vq::posix
