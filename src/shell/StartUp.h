#pragma once

#include <string>

namespace vq {
class Phone;

// DataRoot of a phone started in the folder: the data folder below it, with a trailing "/".
[[nodiscard]] std::string DataRootIn(const std::string& directory);

// The start-up sequence of the window's creation: stops at the first failing step, whose error the
// caller reports; the steps before it stay done.
void RunStartUp(Phone& phone);

} // namespace vq
