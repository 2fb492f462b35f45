#include "platform/FileState.h"

#include "platform/NativePath.h"
#include "platform/PosixIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vq {

namespace {

std::int64_t LastWriteNs(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path) : path_(path), fd_(::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC)) {}
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }

    // Up to limit bytes from offset (all that follows it when limit is 0).
    std::string ReadAt(std::uint64_t offset, std::size_t limit = 0) const {
        std::string data;
        char buf[1 << 16];
        auto at = static_cast<off_t>(offset);
        while (limit == 0 || data.size() < limit) {
            const std::size_t wanted = limit == 0 ? sizeof buf : std::min(sizeof buf, limit - data.size());
            const ssize_t n = ::pread(fd_, buf, wanted, at);
            if (n < 0) {
                if (errno == EINTR) continue;
                posix::Fail("ファイルを読めません", path_, errno);
            }
            if (n == 0) break;
            data.append(buf, static_cast<std::size_t>(n));
            at += n;
        }
        return data;
    }

private:
    const std::string& path_;
    int fd_;
};

} // namespace

std::optional<FileState> StatFile(const std::string& path) {
    struct stat st {};
    if (::stat(NativePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileState{static_cast<std::int64_t>(st.st_size), LastWriteNs(st)};
}


std::string ReadFrom(const std::string& path, std::uint64_t offset) {
    const ReadOnlyFile file(path);
    if (!file.IsOpen()) posix::Fail("ファイルを開けません", path, errno);
    return file.ReadAt(offset);
}

std::optional<std::string> ReadFromIfStartsWith(const std::string& path, std::string_view start, std::uint64_t offset) {
    const ReadOnlyFile file(path);
    if (!file.IsOpen()) {
        if (errno == ENOENT) return std::nullopt;
        posix::Fail("ファイルを開けません", path, errno);
    }
    auto sameStart = [&] { return start.empty() || file.ReadAt(0, start.size()) == start; };
    if (!sameStart()) return std::nullopt;
    std::string rest = file.ReadAt(offset);
    // A file written anew in place while it was read gives bytes of the new content: the start tells.
    if (!sameStart()) return std::nullopt;
    return rest;
}

std::optional<std::int64_t> FolderLastWriteNs(const std::string& path) {
    struct stat st {};
    if (::stat(NativePath(path).c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    return LastWriteNs(st);
}

} // namespace vq
