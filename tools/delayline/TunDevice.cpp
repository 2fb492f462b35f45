#include "TunDevice.h"

#include <fcntl.h>
#include <linux/if.h>
#include <linux/if_tun.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace vq::delayline {
namespace {

[[noreturn]] void Fail(const std::string& what) { throw std::system_error(errno, std::generic_category(), what); }

} // namespace

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.Release();
    }
    return *this;
}

UniqueFd::~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
}

int UniqueFd::Release() { return std::exchange(fd_, -1); }

UniqueFd AttachTun(const std::string& name) {
    if (name.empty() || name.size() >= IFNAMSIZ) {
        errno = EINVAL;
        Fail("TUN device name " + name);
    }
    UniqueFd fd(::open("/dev/net/tun", O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) Fail("/dev/net/tun");
    ifreq request{};
    request.ifr_flags = IFF_TUN | IFF_NO_PI;
    std::memcpy(request.ifr_name, name.data(), name.size());
    if (::ioctl(fd.Get(), TUNSETIFF, &request) < 0) Fail("TUNSETIFF " + name);
    return fd;
}

void EnterNetworkNamespace(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) {
        errno = EINVAL;
        Fail("network namespace " + name);
    }
    const UniqueFd ns(::open(("/run/netns/" + name).c_str(), O_RDONLY | O_CLOEXEC));
    if (ns.Get() < 0) Fail("/run/netns/" + name);
    if (::setns(ns.Get(), CLONE_NEWNET) < 0) Fail("setns " + name);
}

} // namespace vq::delayline
