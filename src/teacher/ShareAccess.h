#pragma once

#include "platform/FileState.h"
#include "platform/StationLock.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// Everything the share check asks of the folder and of the computer it runs on, in one place, so
// that a test can give it a share that misbehaves as real ones do (locks that never leave one
// computer, a rename that fails, a slow server) without one.
class ShareAccess {
public:
    virtual ~ShareAccess() = default;

    [[nodiscard]] virtual bool FolderExists(const std::string& path) = 0;
    virtual void MakeFolder(const std::string& path) = 0;
    // With everything in it; false when something stayed.
    virtual bool RemoveFolder(const std::string& path) = 0;
    // Creates or rewrites a file in place, as the phones write their result pages and heartbeats.
    virtual void Write(const std::string& path, std::string_view content) = 0;
    [[nodiscard]] virtual std::string Read(const std::string& path) = 0;
    [[nodiscard]] virtual std::optional<FileState> Stat(const std::string& path) = 0;
    // As the phones append posts and mails: under the file's lock, whole or absent.
    [[nodiscard]] virtual bool AppendLine(const std::string& path, std::string_view line) = 0;
    // As lasting files are rewritten: a temporary file renamed over the old one.
    virtual void Replace(const std::string& path, std::string_view content) = 0;
    // As a phone holds its station name.
    [[nodiscard]] virtual StationLock TakeLock(const std::string& path) = 0;
    [[nodiscard]] virtual std::vector<std::string> ListNames(const std::string& folder, std::string_view suffix) = 0;

    [[nodiscard]] virtual std::string HostName() = 0;
    [[nodiscard]] virtual long ProcessId() = 0;
    [[nodiscard]] virtual bool ProcessRuns(long processId) = 0;
    // A clock for measuring how long an operation took; it never goes back.
    [[nodiscard]] virtual std::chrono::nanoseconds Elapsed() = 0;
};

// The real folder through the platform's file layer, on this computer. Tests derive from it to make
// one operation misbehave.
class DiskShareAccess : public ShareAccess {
public:
    [[nodiscard]] bool FolderExists(const std::string& path) override;
    void MakeFolder(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    void Write(const std::string& path, std::string_view content) override;
    [[nodiscard]] std::string Read(const std::string& path) override;
    [[nodiscard]] std::optional<FileState> Stat(const std::string& path) override;
    [[nodiscard]] bool AppendLine(const std::string& path, std::string_view line) override;
    void Replace(const std::string& path, std::string_view content) override;
    [[nodiscard]] StationLock TakeLock(const std::string& path) override;
    [[nodiscard]] std::vector<std::string> ListNames(const std::string& folder, std::string_view suffix) override;

    [[nodiscard]] std::string HostName() override;
    [[nodiscard]] long ProcessId() override;
    [[nodiscard]] bool ProcessRuns(long processId) override;
    [[nodiscard]] std::chrono::nanoseconds Elapsed() override;
};

} // namespace vq
