#pragma once

#include "teacher/ShareAccess.h"
#include "teacher/ShareFinding.h"

#include <string>
#include <vector>

namespace vq {

// Checks the classroom folder the phones use (CP932; the folder that holds data/) before a class:
// how long the pages will take on it, whether appends, locks and rename-over work there, and, with
// a phone running on another computer, whether locks reach the file server. Everything is tried in
// a scratch folder beside data/, never on the class's files, and the scratch folder is removed
// afterwards whatever happened. The class's files are only read, and the station locks of running
// phones tried and let go at once. Throws PlatformError only when the folder is not there.
[[nodiscard]] std::vector<ShareFinding> CheckShare(const std::string& classroomFolder, ShareAccess& share);

} // namespace vq
