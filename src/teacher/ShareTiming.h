#pragma once

#include "teacher/ShareAccess.h"
#include "teacher/ShareFinding.h"

#include <string>
#include <vector>

namespace vq {

// How long one round trip to the file server takes, in milliseconds: the median of several tries,
// so one slow moment of the network does not decide.
struct RoundTrips {
    double openReadCloseMs = 0; // a small file opened, read and closed
    double statMs = 0;          // a file's length and time asked for
};

// Measures on probeFile, a small file that exists. Throws PlatformError.
[[nodiscard]] RoundTrips MeasureRoundTrips(ShareAccess& share, const std::string& probeFile);

// What the times mean: the round trips themselves, and how long the profile list and the board take
// to show for a pupil.
[[nodiscard]] std::vector<ShareFinding> SpeedFindings(const RoundTrips& trips);

} // namespace vq
