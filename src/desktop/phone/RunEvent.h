#pragma once

#include <functional>

namespace vq {

// Runs one of the pupil's events on the core and then lets the window show what it changed.
using RunEvent = std::function<void(const std::function<void()>& coreEvent)>;

} // namespace vq
