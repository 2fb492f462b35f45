#include "Termination.h"

#include <csignal>

namespace vqsim {
namespace {

sigset_t TermOnly() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

void HoldTermination() {
    const sigset_t set = TermOnly();
    sigprocmask(SIG_BLOCK, &set, nullptr);
}

void ReleaseTermination() {
    const sigset_t set = TermOnly();
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

} // namespace vqsim
