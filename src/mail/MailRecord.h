#pragma once

#include "mail/MailEntry.h"

#include <string>
#include <string_view>

namespace vq {

// One line of an inbox or a sent log: six fields separated by "#c#". Subject and body hold text in
// its stored form (line breaks and "#c#" encoded), so that a record is always one whole line; the
// body ends in the photo marker and the photo's name when a photo is attached.
struct MailRecord {
    std::string sender;        // station name, or "send_Photo_Mail" / "spam_Mail"
    std::string senderAddress;
    std::string sentAt;
    std::u16string recipient;
    std::u16string subject;
    std::u16string body;
};

// The CP932 line, without its line end.
[[nodiscard]] std::string FormatMailRecord(const MailRecord& record);

// A line that holds "#c#" as the phone keeps it: sender, time, subject, body and photo, subject and
// body back in the form the pupil typed. Missing fields are empty; everything after the fifth separator, further
// separators included, is the body.
[[nodiscard]] MailEntry ParseMailRecord(std::string_view line);

// All six fields of such a line, subject and body still in stored form (the teacher's console reads
// the recipients of sent logs).
[[nodiscard]] MailRecord ParseStoredMailRecord(std::string_view line);

} // namespace vq
