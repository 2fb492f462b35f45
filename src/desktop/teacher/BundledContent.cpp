#include "desktop/teacher/BundledContent.h"

#include "platform/ClassroomFolder.h"
#include "platform/NativePath.h"

#include <cstdlib>
#include <filesystem>

namespace vq {

std::string BundledDataFolder() {
    namespace fs = std::filesystem;
    if (const char* chosen = std::getenv("VELQUINLAN_CONTENT"); chosen && *chosen) return FromNativeName(chosen);
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const auto bundled = FindBundledClassroom(program.parent_path());
    return bundled ? FromNativeName((*bundled / "data").string()) : std::string();
}

std::string ProgramVersion() { return VQ_VERSION; }

} // namespace vq
