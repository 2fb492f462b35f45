#include "platform/PosixIo.h"

#include "platform/PlatformError.h"
#include "platform/Text.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vq::posix {

namespace {

// The reason in words a teacher can act on.
std::string Reason(int err) {
    switch (err) {
    case ENOENT: return "ファイルまたはフォルダがありません";
    case EACCES:
    case EPERM: return "アクセス権がありません";
    case ENOSPC: return "ディスクがいっぱいです";
    case EROFS: return "書き込みできない場所です";
    case EISDIR: return "フォルダです";
    default: return std::strerror(err);
    }
}

} // namespace

void Fail(const char* what, const std::string& path, int err) {
    throw PlatformError(std::string(what) + ": " + Cp932ToUtf8(path) + "（" + Reason(err) + "）");
}

void WriteWhole(int fd, std::string_view data, const std::string& path) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("ファイルに書き込めません", path, errno);
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
}

} // namespace vq::posix
