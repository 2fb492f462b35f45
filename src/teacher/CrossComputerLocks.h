#pragma once

#include "teacher/ShareAccess.h"
#include "teacher/ShareFinding.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace vq {

// A heartbeat this close to the folder's own time belongs to a phone that runs now: it is rewritten
// every 25 seconds, so a phone that missed two beats on a slow share still counts.
inline constexpr std::chrono::seconds kFreshHeartbeat{90};

// Whether the locks of phones reach this computer: for every phone whose heartbeat is fresh, its
// station lock is tried (and let go at once). A phone's lock that can be taken while the phone runs
// never reached the file server. folderNowNs is the last-write time of a file the check has just
// written, so the computers' clocks need not agree. inboxFolder ends with "/".
[[nodiscard]] ShareFinding CheckLocksBetweenComputers(ShareAccess& share, const std::string& inboxFolder,
                                                      std::int64_t folderNowNs);

} // namespace vq
