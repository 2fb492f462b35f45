#pragma once

namespace vq {
class Phone;

// The start-up sequence of the window's creation: stops at the first failing step, whose error the
// caller reports; the steps before it stay done.
void RunStartUp(Phone& phone);

} // namespace vq
