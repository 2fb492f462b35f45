#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vq {

// SEAM: whole-file replacement of a shared file. The platform layer is gaining a replacement of a
// shared file under its lock through a temporary file and a rename, with appenders that open the
// file again when it was replaced, and appends that are safe against a torn last line. Until it is
// there, the edit below rewrites the file in place under the same lock (appenders wait for the lock
// and then append after the new content, so no post is lost), but a phone reading the board without
// the lock at that very moment can see it shortened once. Only this function has to change.
//
// Edits a file that phones append to, under its lock: edit gets the content as it is now and returns
// the new content, or nullopt to leave the file as it is. True when the file was replaced. Throws
// PlatformError when the file is missing or cannot be read or written; then it holds its old content.
bool EditSharedFile(const std::string& path, const std::function<std::optional<std::string>(const std::string&)>& edit);

} // namespace vq
