#include "platform/LockedFile.h"

#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/PosixIo.h"
#include "platform/Text.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
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

} // namespace

std::optional<LockedFile> LockedFile::OpenExisting(const std::string& path, Access access) {
    const int flags = access == Access::Append ? O_WRONLY | O_APPEND : O_RDWR;
    const int fd = ::open(NativePath(path).c_str(), flags | O_CLOEXEC); // never O_CREAT
    if (fd < 0) {
        if (errno == ENOENT) return std::nullopt;
        Fail("ファイルを開けません", path, errno);
    }
    std::optional<LockedFile> file(LockedFile(fd, path));
    file->WaitForLock();
    return file;
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

LockedFile::~LockedFile() {
    // close() flushes written data to the server before it drops the process's locks on the file,
    // so the next holder of the lock sees everything written here.
    if (fd_ >= 0) ::close(fd_);
}

void LockedFile::WaitForLock() {
    struct flock region {};
    region.l_type = F_WRLCK;
    region.l_whence = SEEK_SET;
    region.l_start = kLockOffset;
    region.l_len = 1;
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
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

void LockedFile::Append(std::string_view bytes) {
    // Asking for the end makes an NFS or SMB client fetch the file's length from the server; the
    // appending write then lands after what other hosts wrote before they released the lock.
    if (::lseek(fd_, 0, SEEK_END) < 0) Fail("ファイルに追記できません", path_, errno);
    posix::WriteWhole(fd_, bytes, path_);
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

bool LockedFile::Replace(std::string_view content) {
    if (::ftruncate(fd_, 0) != 0) Fail("ファイルを書き換えられません", path_, errno);
    for (off_t at = 0; !content.empty();) {
        const ssize_t n = ::pwrite(fd_, content.data(), content.size(), at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        content.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    return true;
}

bool AppendSharedLine(const std::string& path, std::string_view line) {
    auto file = LockedFile::OpenExisting(path, LockedFile::Access::Append);
    if (!file) return false;
    std::string record;
    record.reserve(line.size() + 2);
    record.append(line);
    record.append("\r\n");
    file->Append(record);
    return true;
}

void AppendSharedLineOrFail(const std::string& path, std::string_view line) {
    if (!AppendSharedLine(path, line)) Fail("ファイルに追記できません", path, ENOENT);
}

} // namespace vq
