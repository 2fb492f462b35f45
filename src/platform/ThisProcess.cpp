#include "platform/ThisProcess.h"

#include "platform/NativePath.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace vq {

std::string ThisHostName() {
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) != 0) return {};
    return FromNativeName(host);
}

long ThisProcessId() { return static_cast<long>(::getpid()); }

bool ProcessRuns(long processId) {
    if (processId <= 0) return false; // 0 and -1 would ask about a whole process group
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

} // namespace vq
