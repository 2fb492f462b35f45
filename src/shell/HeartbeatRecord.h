#pragma once

#include <string>
#include <string_view>

namespace vq {

// A running phone's sign of life, for the teacher's share check: a small file beside the station's
// inbox, data/mail_box/<station>.alive, rewritten at start and at every mail poll and removed when
// the phone closes. Its last-write time tells that the phone runs now; its content says on which
// computer, so the check can tell a lock seen from another computer from one seen from its own.
// The name ends in ".alive", which no listing of the program or the console takes (inboxes are
// "*.dat"), and nothing reads it on a page visit.
struct HeartbeatRecord {
    std::string station;
    std::string host; // the computer's host name, not the station name (several stations may share one)
    long processId = 0;
};

inline constexpr std::string_view kHeartbeatSuffix = ".alive";

[[nodiscard]] std::string HeartbeatFileName(std::string_view station);
// The station a heartbeat file name stands for; empty for a name that is no heartbeat's.
[[nodiscard]] std::string StationOfHeartbeat(std::string_view fileName);

// "station=...", "host=...", "pid=..." lines, CR LF: readable for a teacher who opens the file.
[[nodiscard]] std::string HeartbeatText(const HeartbeatRecord& record);
// What the text holds; fields it lacks (a file caught while being rewritten) stay empty or 0.
[[nodiscard]] HeartbeatRecord ParseHeartbeat(std::string_view text);

} // namespace vq
