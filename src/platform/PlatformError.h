#pragma once

#include <stdexcept>
#include <string>

namespace vq {

// The one error type of the platform layer. Its message is UTF-8 text meant for the pupil or the
// teacher; every Phone entry point catches it and hands the message to the error reporter.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const std::string& utf8Message) : std::runtime_error(utf8Message) {}
};

} // namespace vq
