#include "desktop/phone/ClassroomSystemInfo.h"

#include "platform/NativePath.h"

namespace vq {

ClassroomSystemInfo::ClassroomSystemInfo(const SystemInfo& host, const std::filesystem::path& classroom)
    : host_(host), classroom_(FromNativeName(std::filesystem::absolute(classroom).lexically_normal().string())) {
    while (classroom_.size() > 1 && classroom_.back() == '/') classroom_.pop_back();
}

} // namespace vq
