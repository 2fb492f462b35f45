#pragma once

#include <string>
#include <string_view>

namespace vq {

// Watches what the phone does, one event at a time; vqsim prints it. kind is "navigate", "before",
// "complete" or "handler"; text is CP932.
class EventTrace {
public:
    virtual ~EventTrace() = default;
    virtual void Event(std::string_view kind, const std::string& text) = 0;
};

} // namespace vq
