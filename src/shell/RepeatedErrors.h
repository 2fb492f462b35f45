#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace vq {

// Errors that would come back with the same words every time their cause is met again while it
// stays (at every 25-second poll, at every visit of a list): a new message box each time would
// bury the phone. Each kind is shown once, then again only when its message changes or after it
// has cleared.
enum class RepeatedError : std::size_t { MailPoll, UnreadableProfiles, Count };

class RepeatedErrors {
public:
    // True when the message is to be shown: it differs from the last one shown for this kind.
    [[nodiscard]] bool ShouldShow(RepeatedError kind, const std::string& message);
    // The cause has gone: the next error of this kind is shown again.
    void Clear(RepeatedError kind);

private:
    std::array<std::optional<std::string>, static_cast<std::size_t>(RepeatedError::Count)> shown_;
};

} // namespace vq
