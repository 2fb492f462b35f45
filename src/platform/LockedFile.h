#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vq {

// A shared file that several stations append to while its owner takes its content out.
//
// Every party holds an exclusive byte-range lock on one byte far beyond any data the file will ever
// hold, for as long as it works on the file. Because the region holds no data, the lock never stands
// in the way of reading or writing the data itself (byte-range locks are mandatory on Windows), yet
// every station's program waits for it wherever the file lies: fcntl locks reach the server on NFS
// (lockd or NFSv4) and on SMB, as LockFileEx locks do on Windows. Where a file system offers no locks
// at all the file is used unlocked, as every other data file is.
//
// The file is never created here: its existence is what other stations test before they write.
class LockedFile {
public:
    enum class Access { Append, ReadWrite };

    // Opens an existing file and waits (a few seconds at most) for its lock. Empty when the file
    // does not exist; throws PlatformError when it cannot be opened or the lock never comes free.
    [[nodiscard]] static std::optional<LockedFile> OpenExisting(const std::string& path, Access access);

    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&&) = delete;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    // Closing releases the lock, after the file system has flushed what was written.
    ~LockedFile();

    // Writes bytes at the end of the file as it is on the server now.
    void Append(std::string_view bytes);
    // The whole content, read from the start.
    [[nodiscard]] std::string ReadAll();
    // Replaces the whole content. Returns false, leaving the file empty, when the new content could
    // not be written after the old one was removed.
    [[nodiscard]] bool Replace(std::string_view content);

private:
    LockedFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    void WaitForLock();

    int fd_ = -1;
    std::string path_;
};

// Appends line + CR LF to an existing shared file under its lock. On NFS the appends of different
// computers are not atomic: two posts sent at the same moment could otherwise overwrite each other.
// False when the file does not exist; it is never created.
[[nodiscard]] bool AppendSharedLine(const std::string& path, std::string_view line);
// The same for a file that must be there: its absence is an error, as for any other data file.
void AppendSharedLineOrFail(const std::string& path, std::string_view line);

} // namespace vq
