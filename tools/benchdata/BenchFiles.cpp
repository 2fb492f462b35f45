#include "BenchFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace vq::bench {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& path) {
    throw std::system_error(errno, std::generic_category(), path.string());
}

} // namespace

void WriteBenchFile(const std::filesystem::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) Fail(path);
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            const int err = errno;
            ::close(fd);
            errno = err;
            Fail(path);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::close(fd) != 0) Fail(path);
}

ScratchFolder::ScratchFolder(const std::filesystem::path& parent, std::string_view purpose) {
    for (int attempt = 0;; ++attempt) {
        path_ = parent / (std::string(purpose) + "-" + std::to_string(::getpid()) + "-" + std::to_string(attempt));
        if (std::filesystem::create_directory(path_)) return;
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace vq::bench
