#pragma once

#include "platform/SystemInfo.h"

#include <filesystem>

namespace vq {

// The computer a station runs on, with the classroom folder it was given in place of the current
// folder: the phone started with a folder works exactly as if started in it.
class ClassroomSystemInfo final : public SystemInfo {
public:
    ClassroomSystemInfo(const SystemInfo& host, const std::filesystem::path& classroom);
    [[nodiscard]] std::string CurrentDirectory() const override { return classroom_; }
    [[nodiscard]] std::string ComputerName() const override { return host_.ComputerName(); }
    [[nodiscard]] std::string LocalAddress() const override { return host_.LocalAddress(); }

private:
    const SystemInfo& host_;
    std::string classroom_;
};

} // namespace vq
