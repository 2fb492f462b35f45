#pragma once

#include <string>
#include <string_view>

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

// The station name rule: the name up to its first ".", kept whole up to 15 characters. A longer one
// becomes its first 10 characters, "~" and 4 letters or digits of a hash of the whole name, so that
// names that differ only after the 15th character still name different stations. A double-byte
// character counts as one and is never cut.
std::string StationNameFrom(const std::string& computerName);

// True when the name can be a station's: it names files of the shared folder and begins every
// record, so it must be CP932 text free of "/", "\", ",", "#c#", "..", control characters and the
// characters a Windows share refuses in file names (":", "*", "?", "\"", "<", ">", "|").
bool IsUsableStationName(std::string_view name);

} // namespace vq
