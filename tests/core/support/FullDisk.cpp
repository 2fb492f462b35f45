#include "support/FullDisk.h"

#include <sys/mount.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <string>
#include <utility>

namespace vqtest {
namespace fs = std::filesystem;

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &before_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = before_;
    limited.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit FileSizeLimit::RoomAfter(const fs::path& path, std::uint64_t bytes) {
    return FileSizeLimit(fs::file_size(path) + bytes);
}

FileSizeLimit::FileSizeLimit(FileSizeLimit&& other) noexcept
    : active_(std::exchange(other.active_, false)), before_(other.before_), oldHandler_(other.oldHandler_) {}

FileSizeLimit::~FileSizeLimit() {
    if (!active_) return;
    ::setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, oldHandler_);
}

namespace {

const char* const kFiller = "filler.bin";

} // namespace

std::unique_ptr<SmallDisk> SmallDisk::MountOn(const fs::path& folder, int kilobytes) {
    if (::geteuid() != 0) return nullptr;
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) return nullptr;
    return std::unique_ptr<SmallDisk>(new SmallDisk(folder));
}

SmallDisk::~SmallDisk() { ::umount2(folder_.c_str(), MNT_DETACH); }

void SmallDisk::FillLeaving(std::uint64_t bytes) {
    const fs::path filler = folder_ / kFiller;
    {
        std::ofstream out(filler, std::ios::binary | std::ios::app);
        const std::string block(4096, 'f');
        while (out.write(block.data(), static_cast<std::streamsize>(block.size())) && out.flush()) {
        }
    }
    const std::uint64_t size = fs::file_size(filler);
    const std::uint64_t pages = (bytes + 4095) / 4096;
    std::error_code ignored;
    fs::resize_file(filler, size > pages * 4096 ? size - pages * 4096 : 0, ignored);
}

void SmallDisk::Free() {
    std::error_code ignored;
    fs::remove(folder_ / kFiller, ignored);
}

} // namespace vqtest
