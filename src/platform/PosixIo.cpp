#include "platform/PosixIo.h"

#include "platform/PlatformError.h"
#include "platform/Text.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vq::posix {

void Fail(const char* what, const std::string& path, int err) {
    throw PlatformError(std::string(what) + ": " + Cp932ToUtf8(path) + " (" + std::strerror(err) + ")");
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
