#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vq {

// The two things done to an inbox file, both under the file's lock, so that taking the mail out
// loses nothing another station appends at the same moment and appends never mix inside a line.

// What a freshly created inbox holds, and what an emptied one holds again.
inline constexpr std::string_view kEmptyInbox = "\r\n";

// Appends one record line. False when the inbox does not exist (the station is not addressable);
// the file is never created.
[[nodiscard]] bool AppendToInbox(const std::string& path, std::string_view line);

// The inbox's whole content; the file is left holding one empty line, as a freshly created inbox
// does. Empty when the inbox does not exist. Throws PlatformError when it cannot be read or emptied;
// then nothing is taken.
[[nodiscard]] std::optional<std::string> TakeInboxContent(const std::string& path);

} // namespace vq
