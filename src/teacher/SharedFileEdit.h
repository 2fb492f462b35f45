#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vq {

// Edits a file that phones append to, through the platform's replacement under the file's lock (a
// temporary file renamed over it; an append made meanwhile lands in the new file): edit gets the
// content as it is now and returns the new content, or nullopt to leave the file as it is. True when
// the file was replaced. Throws PlatformError when the file is missing or cannot be read or written;
// then it holds its old content.
bool EditSharedFile(const std::string& path, const std::function<std::optional<std::string>(const std::string&)>& edit);

} // namespace vq
