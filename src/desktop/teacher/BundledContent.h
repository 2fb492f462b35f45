#pragma once

#include <string>

namespace vq {

// The data folder whose teaching content a new classroom folder gets (CP932): VELQUINLAN_CONTENT when
// set, else the one installed beside the program (../share/velquinlan/classroom/data), else the
// sample classroom of the build the program comes from.
[[nodiscard]] std::string BundledDataFolder();

// The version the program was built as; empty for a build without one.
[[nodiscard]] std::string ProgramVersion();

} // namespace vq
