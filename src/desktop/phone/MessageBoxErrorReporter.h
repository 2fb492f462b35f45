#pragma once

#include "platform/ErrorReporter.h"

namespace vq {

// Shows each error in a message box that does not stop the phone: timers and pages go on while it is
// open, as they would in the middle of a lesson.
class MessageBoxErrorReporter final : public ErrorReporter {
public:
    void Report(const std::string& utf8Message) override;
};

} // namespace vq
