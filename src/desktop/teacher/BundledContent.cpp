#include "desktop/teacher/BundledContent.h"

#include "platform/NativePath.h"

#include <cstdlib>
#include <filesystem>

namespace vq {

std::string BundledDataFolder() {
    namespace fs = std::filesystem;
    if (const char* chosen = std::getenv("VELQUINLAN_CONTENT"); chosen && *chosen) return FromNativeName(chosen);
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path installed = program.parent_path().parent_path() / "share/velquinlan/classroom/data";
        if (fs::is_directory(installed / "kyouzai", error)) return FromNativeName(installed.string());
    }
    return FromNativeName(VQ_BUILD_CLASSROOM);
}

std::string ProgramVersion() { return VQ_VERSION; }

} // namespace vq
