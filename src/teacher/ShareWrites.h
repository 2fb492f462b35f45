#pragma once

#include "teacher/ShareAccess.h"
#include "teacher/ShareFinding.h"

#include <string>

namespace vq {

// The ways the phones write the shared files, tried on files of the check's own scratch folder
// (never on the class's files). Each gives one finding; an error of the share is a problem.

// Appending a line whole, after a last line a crash left without its line end (posts, mails, logs).
[[nodiscard]] ShareFinding CheckAppends(ShareAccess& share, const std::string& scratch);
// A lock held on one open file is seen from another open file of the same file (station names,
// and the lock every append holds).
[[nodiscard]] ShareFinding CheckLocks(ShareAccess& share, const std::string& scratch);
// A new version written beside a file and renamed over it (profiles, the console's edits).
[[nodiscard]] ShareFinding CheckRenameOver(ShareAccess& share, const std::string& scratch);

} // namespace vq
