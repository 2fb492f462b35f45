#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

// A shared file that several stations append to while its owner takes its content out, or the
// teacher's console puts a new version in its place.
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
    // Opens an existing file read-write and waits (a few seconds at most) for its lock. Once it has
    // the lock it makes sure that the handle still is the file at path: when a new version was
    // renamed into its place meanwhile, that one is opened and locked instead, so that nothing is
    // written into a file nobody will read again. Empty when the file does not exist (or was deleted
    // while waiting); throws PlatformError when it cannot be opened or the lock never comes free.
    [[nodiscard]] static std::optional<LockedFile> OpenExisting(const std::string& path);

    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&&) = delete;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    // Closing releases the lock; an append has been flushed before (see AppendWhole).
    ~LockedFile();

    // Writes bytes at the end of the file as it is on the server now, whole or not at all. A last
    // line left without its line end (by a crash or a failed write elsewhere) is ended first, so the
    // new bytes start a line of their own. They are flushed to the server before the lock is let go.
    // When the write or the flush fails or falls short (a full disk, a lost connection), the file is
    // cut back to its length before the append (or, where even the cut fails, what was written of
    // them is blanked) and PlatformError is thrown.
    void AppendWhole(std::string_view bytes);
    // The whole content, read from the start.
    [[nodiscard]] std::string ReadAll();
    // Empties the file in place and writes fresh content into it. Throws PlatformError, with the
    // content untouched, when it cannot be emptied; returns false, leaving it empty, when the fresh
    // content could not be written.
    [[nodiscard]] bool Empty(std::string_view fresh);
    // Puts a new file with content in this one's place: written beside it, flushed, renamed over it.
    // The lock is held all the while; whoever waits for it then finds the new file (see OpenExisting).
    // Where the share refuses to rename over an open file, the content is written in place instead,
    // under the lock, whole or with the old content put back; a reader that takes no lock may then see
    // the file short for a moment.
    void ReplaceByRename(std::string_view content);

private:
    enum class Identity { Same, Replaced, Gone };

    LockedFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    void WaitForLock(std::chrono::steady_clock::time_point deadline);
    [[nodiscard]] Identity CheckIdentity() const;
    [[nodiscard]] std::string LineEndBefore(long long end) const;
    // 0, or the system's reason why content could not be written from the start of the file.
    [[nodiscard]] int WriteFromStart(std::string_view content);
    // 0, or the system's reason why content could not be written and flushed in place of the file's.
    [[nodiscard]] int WriteInPlace(std::string_view content);
    void RewriteInPlace(std::string_view content, const std::string& temporary);
    void Undo(off_t end, off_t recordStart);

    int fd_ = -1;
    std::string path_;
};

// Appends line + CR LF (or several lines joined by CR LF, then CR LF) to an existing shared file
// under its lock, whole or absent (see LockedFile::AppendWhole). On NFS the appends of different
// computers are not atomic: two posts sent at the same moment could otherwise overwrite each other.
// False when the file does not exist; it is never created.
[[nodiscard]] bool AppendSharedLine(const std::string& path, std::string_view line);
// The same for a file that must be there: its absence is an error, as for any other data file.
void AppendSharedLineOrFail(const std::string& path, std::string_view line);

// Replaces the whole content of a shared file that stations append to, for the teacher's console
// (hiding a post from the board, leaving fresh files when archiving): under the file's lock, edit
// gets the content as it is and gives the new one, which is written to a temporary file in the same
// folder and renamed over the file before the lock is released. An append made meanwhile waits and
// then lands in the new file; none is lost. An edit that gives nothing leaves the file as it is.
// False when the file does not exist. Throws PlatformError when the file cannot be read, locked or
// replaced; then the file is unchanged. What edit throws passes through, with the file unchanged too.
[[nodiscard]] bool ReplaceSharedFile(
    const std::string& path, const std::function<std::optional<std::string>(std::string_view content)>& edit);

} // namespace vq
