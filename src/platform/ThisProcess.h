#pragma once

#include <string>

namespace vq {

// The computer and the process a program runs in, as a program on another computer that shares the
// classroom folder needs to tell them apart. Unlike the station name this is never overridden
// (VELQUINLAN_STATION names a station, not a computer).

// The computer's own host name as the system gives it (CP932); "" when it cannot be asked.
[[nodiscard]] std::string ThisHostName();
[[nodiscard]] long ThisProcessId();

// Whether a process with this id runs on this computer. A process that runs but is another user's
// counts as running.
[[nodiscard]] bool ProcessRuns(long processId);

} // namespace vq
