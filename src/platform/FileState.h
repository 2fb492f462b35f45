#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The same, but only while the file still starts with start, that is, while it is the file the caller
// read before and not a new one put in its place: nullopt when it does not, or when there is no file.
// One open for all reads, which on a network share saves a round trip or two; the start is read again
// at the end, so a file written anew in place meanwhile is not mistaken for the old one.
[[nodiscard]] std::optional<std::string> ReadFromIfStartsWith(const std::string& path, std::string_view start,
                                                              std::uint64_t offset);

// The last-write time of a folder, which moves whenever a name in it is made, removed or renamed;
// nullopt when there is no folder at path.
[[nodiscard]] std::optional<std::int64_t> FolderLastWriteNs(const std::string& path);

} // namespace vq
