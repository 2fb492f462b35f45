#include "platform/StationLock.h"

#include "platform/NativePath.h"
#include "platform/PosixIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace vq {
namespace {

// One byte after the senders' lock byte (2^62).
constexpr off_t kStationLockOffset = (off_t{1} << 62) + 1;

struct flock StationRegion(short type) {
    struct flock region {};
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = kStationLockOffset;
    region.l_len = 1;
    region.l_pid = 0; // open-file-description locks require it
    return region;
}

bool LocksUnsupported(int err) { return err == ENOLCK || err == EOPNOTSUPP || err == ENOSYS || err == EINVAL; }

int OpenInbox(const std::string& path) {
    int fd;
    do fd = ::open(NativePath(path).c_str(), O_RDWR | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

StationLock StationLock::TryTake(const std::string& inboxPath) {
    const int fd = OpenInbox(inboxPath);
    if (fd < 0) posix::Fail("受信箱を開けません", inboxPath, errno);
    struct flock region = StationRegion(F_WRLCK);
    int rc;
    do rc = ::fcntl(fd, F_OFD_SETLK, &region);
    while (rc != 0 && errno == EINTR);
    if (rc == 0) return StationLock(fd, State::Held);
    const int err = errno;
    ::close(fd);
    if (err == EACCES || err == EAGAIN) return StationLock(-1, State::TakenByAnother);
    if (LocksUnsupported(err)) return StationLock(-1, State::LocksUnsupported);
    posix::Fail("受信箱をロックできません", inboxPath, err);
}

StationLock::StationLock(StationLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), state_(other.state_) {}

StationLock& StationLock::operator=(StationLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        state_ = other.state_;
    }
    return *this;
}

StationLock::~StationLock() { Release(); }

void StationLock::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool StationLock::Moved(const std::string& inboxPath) const {
    if (fd_ < 0) return false;
    struct stat held {};
    struct stat named {};
    if (::fstat(fd_, &held) != 0 || ::stat(NativePath(inboxPath).c_str(), &named) != 0) return false;
    if (!S_ISREG(named.st_mode)) return false; // no inbox there to hold
    return held.st_dev != named.st_dev || held.st_ino != named.st_ino;
}

StationRunning ProbeStationLock(const std::string& inboxPath) {
    const int fd = OpenInbox(inboxPath);
    if (fd < 0) return errno == ENOENT ? StationRunning::No : StationRunning::Unknown;
    struct flock region = StationRegion(F_WRLCK);
    const int rc = ::fcntl(fd, F_OFD_GETLK, &region);
    ::close(fd);
    if (rc != 0) return StationRunning::Unknown;
    return region.l_type == F_UNLCK ? StationRunning::No : StationRunning::Yes;
}

} // namespace vq
