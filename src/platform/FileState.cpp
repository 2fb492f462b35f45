#include "platform/FileState.h"

#include "platform/NativePath.h"
#include "platform/PosixIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vq {

std::optional<FileState> StatFile(const std::string& path) {
    struct stat st {};
    if (::stat(NativePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileState{static_cast<std::int64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::string ReadFrom(const std::string& path, std::uint64_t offset) {
    const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) posix::Fail("ファイルを開けません", path, errno);
    std::string data;
    char buf[1 << 16];
    auto at = static_cast<off_t>(offset);
    for (;;) {
        const ssize_t n = ::pread(fd, buf, sizeof buf, at);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            posix::Fail("ファイルを読めません", path, err);
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
        at += n;
    }
    ::close(fd);
    return data;
}

} // namespace vq
