#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vq {

// What tells a reader that a file changed without reading it: its length and last-write time.
struct FileState {
    std::int64_t size = 0;
    std::int64_t lastWriteNs = 0;
    friend bool operator==(const FileState&, const FileState&) = default;
};

// nullopt when there is no regular file at path (or it cannot be asked about).
[[nodiscard]] std::optional<FileState> StatFile(const std::string& path);

// The bytes of a file from offset to its end; empty when the file is no longer than offset. Throws
// PlatformError when the file cannot be read.
[[nodiscard]] std::string ReadFrom(const std::string& path, std::uint64_t offset);

} // namespace vq
