#include "FailingCalls.h"

#include <dlfcn.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <optional>
#include <string>

namespace vqtest {
namespace {

struct Armed {
    std::string fileName;
    CallFaults faults;
};

// The one armed set of faults of this test process; the hooks below have no other way to reach it.
std::optional<Armed>& Current() {
    static std::optional<Armed> armed;
    return armed;
}

// The error the call on fd is to fail with, 0 when it is to work.
int ErrorFor(int fd, int CallFaults::*call) {
    const auto& armed = Current();
    if (!armed || armed->faults.*call == 0) return 0;
    char path[PATH_MAX] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), path, sizeof path - 1);
    if (n <= 0 || !std::string_view(path, static_cast<std::size_t>(n)).ends_with("/" + armed->fileName)) return 0;
    return armed->faults.*call;
}

int ErrorForPath(const char* path, int CallFaults::*call) {
    const auto& armed = Current();
    if (!armed || armed->faults.*call == 0 || !std::string_view(path).ends_with("/" + armed->fileName)) return 0;
    return armed->faults.*call;
}

template <typename Function>
Function* Real(const char* name) {
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

} // namespace

FailingCalls::FailingCalls(std::string fileName, CallFaults faults) { Current() = Armed{std::move(fileName), faults}; }

FailingCalls::~FailingCalls() { Current().reset(); }

} // namespace vqtest

extern "C" int fdatasync(int fd) {
    if (const int err = vqtest::ErrorFor(fd, &vqtest::CallFaults::flush)) {
        errno = err;
        return -1;
    }
    static auto* const real = vqtest::Real<int(int)>("fdatasync");
    return real(fd);
}

extern "C" int ftruncate(int fd, off_t length) noexcept {
    if (const int err = vqtest::ErrorFor(fd, &vqtest::CallFaults::cut)) {
        errno = err;
        return -1;
    }
    static auto* const real = vqtest::Real<int(int, off_t)>("ftruncate");
    return real(fd, length);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    if (const int err = vqtest::ErrorForPath(to, &vqtest::CallFaults::renameOnto)) {
        errno = err;
        return -1;
    }
    static auto* const real = vqtest::Real<int(const char*, const char*)>("rename");
    return real(from, to);
}
