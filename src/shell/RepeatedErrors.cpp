#include "shell/RepeatedErrors.h"

namespace vq {

bool RepeatedErrors::ShouldShow(RepeatedError kind, const std::string& message) {
    std::optional<std::string>& shown = shown_[static_cast<std::size_t>(kind)];
    if (shown == message) return false;
    shown = message;
    return true;
}

void RepeatedErrors::Clear(RepeatedError kind) { shown_[static_cast<std::size_t>(kind)].reset(); }

} // namespace vq
