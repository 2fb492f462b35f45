#include "platform/LockedFile.h"

#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/PosixIo.h"
#include "platform/Text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>
#include <utility>

namespace vq {
namespace {

// One byte at 2^62: no data file of the classroom comes near it, and every file system and protocol
// in use (NFS with 64-bit locks, SMB2, Windows) accepts a lock there.
static_assert(sizeof(off_t) >= 8, "the lock lies beyond 4 GiB: build with 64-bit file offsets");
constexpr off_t kLockOffset = off_t{1} << 62;

// Long enough for a station on a slow share to finish its one append or take; short enough that a
// phone never seems frozen.
constexpr auto kLockPatience = std::chrono::seconds(5);

using posix::Fail;

// Errors that say the file system has no byte-range locks at all, rather than that someone holds one.
bool LocksUnsupported(int err) { return err == ENOLCK || err == EOPNOTSUPP || err == ENOSYS || err == EINVAL; }

std::string WithLineEnd(std::string_view line) {
    std::string record;
    record.reserve(line.size() + 2);
    record.append(line);
    record.append("\r\n");
    return record;
}

} // namespace

std::optional<LockedFile> LockedFile::OpenExisting(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    for (;;) {
        const int fd = posix::Open(path, O_RDWR); // never O_CREAT
        if (fd < 0) {
            if (errno == ENOENT) return std::nullopt;
            Fail("ファイルを開けません", path, errno);
        }
        LockedFile file(fd, path);
        file.WaitForLock(deadline);
        switch (file.CheckIdentity()) {
        case Identity::Same: return std::optional<LockedFile>(std::move(file));
        case Identity::Gone: return std::nullopt;
        case Identity::Replaced: break; // the new file is opened and locked in the next turn
        }
    }
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

LockedFile::~LockedFile() {
    // close() flushes written data to the server before it drops the process's locks on the file,
    // so the next holder of the lock sees everything written here.
    if (fd_ >= 0) ::close(fd_);
}

void LockedFile::WaitForLock(std::chrono::steady_clock::time_point deadline) {
    struct flock region {};
    region.l_type = F_WRLCK;
    region.l_whence = SEEK_SET;
    region.l_start = kLockOffset;
    region.l_len = 1;
    auto pause = std::chrono::microseconds(50);
    // Polling instead of F_SETLKW: a station that hangs on a share must not freeze this phone.
    for (;;) {
        if (::fcntl(fd_, F_SETLK, &region) == 0) return;
        const int err = errno;
        if (err == EINTR) continue;
        if (LocksUnsupported(err)) return;
        if (err != EACCES && err != EAGAIN) Fail("ファイルをロックできません", path_, err);
        if (std::chrono::steady_clock::now() >= deadline)
            throw PlatformError("ほかの端末がファイルを使用中です。しばらくしてからもう一度操作してください: " +
                                Cp932ToUtf8(path_));
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(5000));
    }
}

// A rename over the path never leaves it missing, so a path that is gone was deleted.
LockedFile::Identity LockedFile::CheckIdentity() const {
    struct stat held {};
    if (::fstat(fd_, &held) != 0) Fail("ファイルを開けません", path_, errno);
    struct stat named {};
    if (::stat(NativePath(path_).c_str(), &named) != 0) {
        if (errno == ENOENT) return Identity::Gone;
        Fail("ファイルを開けません", path_, errno);
    }
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino ? Identity::Same : Identity::Replaced;
}

// What must come before new bytes at end so that they start a line: nothing after a line end, the
// missing LF after a lone CR, CR LF after a torn line.
std::string LockedFile::LineEndBefore(long long end) const {
    if (end == 0) return {};
    char tail[2] = {};
    const off_t from = end >= 2 ? static_cast<off_t>(end - 2) : 0;
    const auto want = static_cast<std::size_t>(end - from);
    ssize_t n;
    do n = ::pread(fd_, tail, want, from);
    while (n < 0 && errno == EINTR);
    if (n != static_cast<ssize_t>(want)) Fail("ファイルを読めません", path_, n < 0 ? errno : EIO);
    const char last = tail[want - 1];
    if (last == '\n') return {};
    if (last == '\r') return "\n";
    return "\r\n";
}

void LockedFile::AppendWhole(std::string_view bytes) {
    // Asking for the end makes an NFS or SMB client fetch the file's length from the server; the
    // appending write then lands after what other hosts wrote before they released the lock.
    const off_t end = ::lseek(fd_, 0, SEEK_END);
    if (end < 0) Fail("ファイルに追記できません", path_, errno);
    std::string whole = LineEndBefore(end);
    const auto recordStart = static_cast<off_t>(end + static_cast<off_t>(whole.size()));
    whole.append(bytes);
    try {
        posix::WriteWhole(fd_, whole, path_);
        // A share's client may accept the write and learn only when it flushes that the server could
        // not store it. Flushed here, under the lock, a failure is still this append's alone to undo:
        // once the lock is released another station appends after it.
        if (const int err = posix::FlushData(fd_)) Fail("ファイルに書き込めません", path_, err);
    } catch (const PlatformError&) {
        Undo(end, recordStart);
        throw;
    }
}

// A part of a record would swallow the start of the next one, and a whole one that was reported as
// not written would be taken twice when the pupil sends it again: the file goes back to its length
// before the append.
void LockedFile::Undo(off_t end, off_t recordStart) {
    if (::ftruncate(fd_, end) == 0) return;
    // The cut failed too (the share refuses it, or its error came late). What stays after the line
    // end is blanked in place instead. Readers take a line as a record by its separators ("#c#", or
    // the activity log's ","), and a torn one that kept them all would read as a whole record with
    // its last field cut short; a line of blanks has none and every reader skips it. Overwriting
    // needs no new room on the disk, so it works where a full disk failed the append. The next append
    // ends the blank line. Where even this fails, the share cannot be written at all any more.
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || st.st_size <= recordStart) return;
    const std::string blanks(static_cast<std::size_t>(st.st_size - recordStart), ' ');
    std::string_view rest = blanks;
    for (off_t at = recordStart; !rest.empty();) {
        const ssize_t n = ::pwrite(fd_, rest.data(), rest.size(), at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        rest.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    (void)posix::FlushData(fd_);
}

std::string LockedFile::ReadAll() {
    std::string data;
    char buf[1 << 16];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd_, buf, sizeof buf, at);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("ファイルを読めません", path_, errno);
        }
        if (n == 0) return data;
        data.append(buf, static_cast<std::size_t>(n));
        at += n;
    }
}

bool LockedFile::Empty(std::string_view fresh) {
    if (::ftruncate(fd_, 0) != 0) {
        const int err = errno;
        struct stat st {};
        // Only an emptied file may count as taken; one that kept its content is taken next time.
        if (::fstat(fd_, &st) != 0 || st.st_size != 0) Fail("ファイルを書き換えられません", path_, err);
    }
    return WriteFromStart(fresh) == 0;
}

int LockedFile::WriteFromStart(std::string_view content) {
    for (off_t at = 0; !content.empty();) {
        const ssize_t n = ::pwrite(fd_, content.data(), content.size(), at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : ENOSPC;
        content.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    return 0;
}

void LockedFile::ReplaceByRename(std::string_view content) {
    struct stat held {};
    if (::fstat(fd_, &held) != 0) Fail("ファイルを開けません", path_, errno);
    // The new file keeps the old one's permissions, so the stations can go on appending to it.
    const std::string temporary = posix::WriteWholeBeside(path_, content, static_cast<int>(held.st_mode & 07777));
    if (posix::TryRenameOver(temporary, path_) == 0) return;
    // An SMB share renames nothing over a file that is open, and this handle holds the file open for
    // its lock (smbnetfs answers EBUSY). The file is then written anew in place through this handle,
    // still under the lock, while the whole new content waits beside it.
    RewriteInPlace(content, temporary);
}

int LockedFile::WriteInPlace(std::string_view content) {
    if (::ftruncate(fd_, 0) != 0) return errno;
    const int err = WriteFromStart(content);
    return err != 0 ? err : posix::FlushData(fd_);
}

// Whole or, failing that, as it was: a write that fails puts the old content back. Only when that
// fails too is the file left short, and the message names the copy that holds the new content.
void LockedFile::RewriteInPlace(std::string_view content, const std::string& temporary) {
    const std::string old = ReadAll();
    const int err = WriteInPlace(content);
    if (err == 0) {
        ::unlink(NativePath(temporary).c_str());
        return;
    }
    if (WriteInPlace(old) != 0) Fail("ファイルを書き換えられません。新しい内容はこのファイルに残っています", temporary, err);
    ::unlink(NativePath(temporary).c_str());
    Fail("ファイルを書き換えられません", path_, err);
}

bool AppendSharedLine(const std::string& path, std::string_view line) {
    auto file = LockedFile::OpenExisting(path);
    if (!file) return false;
    file->AppendWhole(WithLineEnd(line));
    return true;
}

void AppendSharedLineOrFail(const std::string& path, std::string_view line) {
    if (!AppendSharedLine(path, line)) Fail("ファイルに追記できません", path, ENOENT);
}

bool ReplaceSharedFile(const std::string& path,
                       const std::function<std::optional<std::string>(std::string_view content)>& edit) {
    auto file = LockedFile::OpenExisting(path);
    if (!file) return false;
    if (std::optional<std::string> replacement = edit(file->ReadAll())) file->ReplaceByRename(*replacement);
    return true;
}

} // namespace vq
