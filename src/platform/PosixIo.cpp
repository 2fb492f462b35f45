#include "platform/PosixIo.h"

#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace vq::posix {

namespace {

// The reason in words a teacher can act on.
std::string Reason(int err) {
    switch (err) {
    case ENOENT: return "ファイルまたはフォルダがありません";
    case EACCES:
    case EPERM: return "アクセス権がありません";
    case ENOSPC:
    case EDQUOT: return "ディスクがいっぱいです";
    case EFBIG: return "ファイルが大きすぎます";
    case EROFS: return "書き込みできない場所です";
    case EISDIR: return "フォルダです";
    case EIO: return "読み書きに失敗しました。ネットワーク上のフォルダなら、つながっているか確かめてください";
    case ESTALE: return "ネットワーク上のフォルダとの接続が切れました";
    default: return std::strerror(err);
    }
}

// Flushing is asked of every file system; one that has nothing to flush (or cannot) says so with
// these, which are no failure of the data.
bool FlushUnsupported(int err) { return err == EINVAL || err == ENOSYS || err == EOPNOTSUPP || err == EROFS; }

// Two stations may replace the same file at the same moment; each needs its own temporary name.
std::string TemporaryName(const std::string& path) {
    std::random_device random;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x%08x.tmp", random(), random());
    return path + suffix;
}

} // namespace

void Fail(const char* what, const std::string& path, int err) {
    throw PlatformError(std::string(what) + ": " + Cp932ToUtf8(path) + "（" + Reason(err) + "）");
}

int Open(const std::string& path, int flags, mode_t mode) {
    const std::string native = NativePath(path);
    int fd;
    do fd = ::open(native.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

void WriteWhole(int fd, std::string_view data, const std::string& path) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("ファイルに書き込めません", path, errno);
        }
        // A write that takes nothing would never end; file systems say so only when they are broken.
        if (n == 0) Fail("ファイルに書き込めません", path, EIO);
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

int FlushData(int fd) {
    int rc;
    do rc = ::fdatasync(fd);
    while (rc != 0 && errno == EINTR);
    return rc == 0 || FlushUnsupported(errno) ? 0 : errno;
}

std::string WriteWholeBeside(const std::string& path, std::string_view content, int permissions) {
    const std::string temporary = TemporaryName(path);
    const int fd = Open(temporary, O_RDWR | O_CREAT | O_EXCL);
    if (fd < 0) Fail("ファイルを書き込めません", path, errno);
    int err = 0;
    try {
        if (permissions >= 0) (void)::fchmod(fd, static_cast<mode_t>(permissions));
        WriteWhole(fd, content, path);
        if (::fsync(fd) != 0 && !FlushUnsupported(errno)) err = errno;
    } catch (const PlatformError&) {
        ::close(fd);
        ::unlink(NativePath(temporary).c_str());
        throw;
    }
    // NFS and SMB clients report a failed write-back at close.
    if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
    if (err != 0) {
        ::unlink(NativePath(temporary).c_str());
        Fail("ファイルに書き込めません", path, err);
    }
    return temporary;
}

int TryRenameOver(const std::string& temporary, const std::string& path) {
    const std::string from = NativePath(temporary);
    const std::string to = NativePath(path);
    if (::rename(from.c_str(), to.c_str()) == 0) return 0;
    const int err = errno;
    // A share that will not rename over an existing file (an old SMB server says the name is taken)
    // gets the old one removed first: for a moment the file is missing, which beats never replacing it.
    if (err == EEXIST && ::unlink(to.c_str()) == 0) {
        if (::rename(from.c_str(), to.c_str()) == 0) return 0;
        // The old content is gone already: the new one stays where it was written, to be found.
        Fail("ファイルを置き換えられません。新しい内容はこのファイルに残っています", temporary, errno);
    }
    return err;
}

void RenameOver(const std::string& temporary, const std::string& path) {
    const int err = TryRenameOver(temporary, path);
    if (err == 0) return;
    ::unlink(NativePath(temporary).c_str());
    Fail("ファイルを置き換えられません", path, err);
}

} // namespace vq::posix
