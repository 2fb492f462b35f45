#pragma once

#include <string>

namespace vq {

// One mail as the phone keeps it in memory, with its texts as the pupil typed them.
struct MailEntry {
    std::u16string Party;   // the sender of a received mail; the address as typed for a sent one
    std::u16string SentAt;  // time stamp text
    std::u16string Subject;
    std::u16string Body;    // the text as typed
    std::u16string Photo;   // the attached photo's file name; empty without one
};

} // namespace vq
