#pragma once

#include <string>

namespace vq {

// The data folder whose teaching content a new classroom folder gets (CP932): VELQUINLAN_CONTENT when
// set, else that of the sample classroom that comes with the programs (share/velquinlan/classroom,
// installed or in the build tree). Empty when there is none.
[[nodiscard]] std::string BundledDataFolder();

// The version the program was built as; empty for a build without one.
[[nodiscard]] std::string ProgramVersion();

} // namespace vq
