#pragma once

#include <string>
#include <string_view>

namespace vq {

// Watches what the phone does, one event at a time; vqsim prints it. kind is "navigate", "before",
// "complete" or "handler"; "take" (the inbox's path) just before the phone takes its inbox and
// "received" (the record) for every mail the take brought. text is CP932.
class EventTrace {
public:
    virtual ~EventTrace() = default;
    virtual void Event(std::string_view kind, const std::string& text) = 0;
};

} // namespace vq
