#pragma once

#include <string>
#include <vector>

namespace vq {

// Shows an error's message to the pupil: a message box in the desktop phone, a recorded list in tests.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void Report(const std::string& utf8Message) = 0;
};

class RecordingErrorReporter final : public ErrorReporter {
public:
    void Report(const std::string& utf8Message) override { messages.push_back(utf8Message); }
    std::vector<std::string> messages;
};

} // namespace vq
