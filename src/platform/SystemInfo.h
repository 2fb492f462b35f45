#pragma once

#include <string>

namespace vq {

// What start-up asks of the computer it runs on.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // The folder that holds data/, without a trailing separator.
    [[nodiscard]] virtual std::string CurrentDirectory() const = 0;
    // The computer's name; the caller keeps at most 15 characters of it.
    [[nodiscard]] virtual std::string ComputerName() const = 0;
    // The address other stations can reach this one at, in dotted-decimal text.
    [[nodiscard]] virtual std::string LocalAddress() const = 0;
};

// The real computer: VELQUINLAN_STATION overrides the host name so that several stations can run on
// one computer.
class HostSystemInfo final : public SystemInfo {
public:
    [[nodiscard]] std::string CurrentDirectory() const override;
    [[nodiscard]] std::string ComputerName() const override;
    [[nodiscard]] std::string LocalAddress() const override;
};

// A fixed identity for tests and vqsim.
class FixedSystemInfo final : public SystemInfo {
public:
    FixedSystemInfo(std::string directory, std::string name, std::string address)
        : directory_(std::move(directory)), name_(std::move(name)), address_(std::move(address)) {}
    [[nodiscard]] std::string CurrentDirectory() const override { return directory_; }
    [[nodiscard]] std::string ComputerName() const override { return name_; }
    [[nodiscard]] std::string LocalAddress() const override { return address_; }

private:
    std::string directory_;
    std::string name_;
    std::string address_;
};

// The station name rule: the name up to its first ".", at most 15 characters.
std::string StationNameFrom(const std::string& computerName);

} // namespace vq
