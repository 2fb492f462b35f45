#pragma once

#include <string>
#include <string_view>

namespace vq {
class Phone;

// The heartbeat file of a phone that runs as its station (see HeartbeatRecord.h), from the first
// beat to the phone's end.
class Heartbeat {
public:
    Heartbeat() = default;
    Heartbeat(const Heartbeat&) = delete;
    Heartbeat& operator=(const Heartbeat&) = delete;
    // Removes the file: a share check made after the phone closed must not take the lock it let go
    // for a lock that does not reach the server. A phone that crashes leaves the file; it goes stale.
    ~Heartbeat();

    // Rewrites the file at path with text, plainly (opened read-write, one small write). Throws
    // PlatformError.
    void Beat(const std::string& path, std::string_view text);

private:
    std::string path_; // empty until the first beat: a phone refused its name removes nothing
};

// At start-up, once the station lock is held, and at every mail poll. The file is not the pupil's
// business: a failure goes to the event trace (vqsim shows it), never to the pupil, and the phone
// goes on; the next poll tries again.
void BeatHeart(Phone& phone) noexcept;

} // namespace vq
